#include "widgets/number_text.h"

#include "draws/currency.h"
#include "widgets/qt_translations.h"

namespace {

// "#,##0" groups every three digits; Qt's Spanish locale leaves four-digit
// figures ungrouped, so the grouping is done here with the locale's separator.
QString Grouped(const QString &plain, const QLocale &locale)
{
    const QString minus = locale.negativeSign();
    const bool negative = plain.startsWith(minus);
    const QString body = negative ? plain.mid(minus.size()) : plain;
    const qsizetype point = body.indexOf(locale.decimalPoint());
    const qsizetype digits = point < 0 ? body.size() : point;
    QString result;
    for (qsizetype i = 0; i < digits; ++i) {
        if (i > 0 && (digits - i) % 3 == 0)
            result += locale.groupSeparator();
        result += body.at(i);
    }
    return (negative ? minus : QString()) + result + body.mid(digits);
}

QLocale Ungrouped()
{
    QLocale locale = NumberLocale();
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace

QLocale NumberLocale()
{
    return LocaleInForce();
}

QString CountText(int64_t value)
{
    const QLocale locale = Ungrouped();
    return Grouped(locale.toString(static_cast<qlonglong>(value)), locale);
}

QString MoneyText(int64_t amount, bool grouped)
{
    // The core's text carries the rounding; only its separators change, so
    // no amount goes through floating point.
    const std::string core = FormatCurrency(amount);
    const QLocale locale = NumberLocale();
    QString result;
    for (char ch : core) {
        if (ch == ',') {
            if (grouped)
                result += locale.groupSeparator();
        } else if (ch == '.') {
            result += locale.decimalPoint();
        } else if (ch == '-') {
            result += locale.negativeSign();
        } else {
            result += QLatin1Char(ch);
        }
    }
    return result;
}

QString DecimalText(double value, int decimals)
{
    const QLocale locale = Ungrouped();
    return Grouped(locale.toString(value, 'f', decimals), locale);
}

QString PercentText(double percent, int decimals)
{
    return Ungrouped().toString(percent, 'f', decimals) + QStringLiteral(" %");
}
