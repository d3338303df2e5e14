#include "draws/ui/draw_texts.h"

#include "draws/draw_date.h"

#include "widgets/number_text.h"

QString TextoImporte(Currency amount)
{
    return MoneyText(amount);
}

QString TextoImporteSinMiles(Currency amount)
{
    return MoneyText(amount, false);
}

QString TextoEntero(int64_t value)
{
    return CountText(value);
}

QString TextoPorcentaje(Currency percentage)
{
    return MoneyText(percentage, false) + QStringLiteral(" %");
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
