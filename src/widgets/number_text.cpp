#include "widgets/number_text.h"

#include "draws/currency.h"
#include "widgets/qt_translations.h"

QLocale NumberLocale()
{
    return LocaleInForce();
}

QString CountText(int64_t value)
{
    return NumberLocale().toString(static_cast<qlonglong>(value));
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
    return NumberLocale().toString(value, 'f', decimals);
}

QString PercentText(double percent, int decimals)
{
    QLocale locale = NumberLocale();
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(percent, 'f', decimals) + QStringLiteral(" %");
}
