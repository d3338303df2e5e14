#include "draws/ui/draw_texts.h"

#include "draws/draw_date.h"

#include <QLocale>

namespace {

// The core writes "1,234.50"; swap in the system's separators.
QString WithSystemSeparators(const std::string &text, bool grouped)
{
    const QLocale locale;
    QString result;
    for (char ch : text) {
        if (ch == ',') {
            if (grouped)
                result += locale.groupSeparator();
        } else if (ch == '.') {
            result += locale.decimalPoint();
        } else {
            result += QLatin1Char(ch);
        }
    }
    return result;
}

} // namespace

QString TextoImporte(Currency amount)
{
    return WithSystemSeparators(FormatCurrency(amount), true);
}

QString TextoImporteSinMiles(Currency amount)
{
    return WithSystemSeparators(FormatCurrency(amount), false);
}

QString TextoEntero(int64_t value)
{
    const std::string text = FormatCurrency(CurrencyFromUnits(value));
    return WithSystemSeparators(text.substr(0, text.size() - 3), true);
}

QString TextoPorcentaje(Currency percentage)
{
    return WithSystemSeparators(FormatCurrency(percentage), false) + QStringLiteral(" %");
}

QDate DateDeFecha(double fecha)
{
    int year = 0, month = 0, day = 0;
    DecodeFecha(fecha, year, month, day);
    return QDate(year, month, day);
}

double FechaDeDate(const QDate &date)
{
    double fecha = 0;
    EncodeFecha(date.year(), date.month(), date.day(), fecha);
    return fecha;
}
