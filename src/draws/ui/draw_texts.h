#pragma once

#include "draws/currency.h"

#include <QDate>
#include <QString>

#include <cstdint>

// Money, counts and dates of the draw windows as the user reads them, with
// the thousands and decimal separators of the language in force.

// "#,##0.00".
QString TextoImporte(Currency amount);
// "0.00": no thousands separator, for an amount offered for editing.
QString TextoImporteSinMiles(Currency amount);
// "#,##0".
QString TextoEntero(int64_t value);
// "0.00 %" from a percentage held as currency.
QString TextoPorcentaje(Currency percentage);

// A date-time (days since 30 December 1899) and the calendar day.
QDate DateDeFecha(double fecha);
double FechaDeDate(const QDate &date);
