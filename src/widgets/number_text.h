#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>

// Numbers as the windows show them: the separators of the language in force
// (the desktop's own when it speaks that language). The core and the command
// line keep their fixed "1,234.50".

// The locale the windows write numbers with.
QLocale NumberLocale();

// "#,##0": 76.275.360 in Spanish, 76,275,360 in English.
QString CountText(int64_t value);

// "#,##0.00" of an amount held times 10000, rounded half away from zero
// like the core; without grouping for an amount offered for editing.
QString MoneyText(int64_t amount, bool grouped = true);

// A plain figure with the given decimals, grouped by thousands.
QString DecimalText(double value, int decimals);

// "7,41 %": the percent sign after a space, never grouped.
QString PercentText(double percent, int decimals = 2);
