#include "draws/prize_range.h"

#include "draws/draw_date.h"
#include "draws/draw_rules.h"
#include "draws/prize_check.h"
#include "model/euromillon_apuestas.h"

#include <ctime>

namespace {

constexpr int kViernes = 5;

Currency Subtract(Currency a, Currency b)
{
    Currency result = 0;
    if (__builtin_sub_overflow(a, b, &result))
        throw EIntOverflow("Integer overflow");
    return result;
}

} // namespace

double UltimoViernes(double hoy)
{
    double dia = DiaEntero(hoy);
    while (DiaDeLaSemana(dia) != kViernes)
        dia -= 1;
    return dia;
}

namespace {

double Hoy()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    double hoy = 0;
    EncodeFecha(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, hoy);
    return hoy;
}

} // namespace

double UltimoViernes()
{
    return UltimoViernes(Hoy());
}

double UltimoDiaDeSorteoHoy(TGameEdition edition)
{
    return UltimoDiaDeSorteo(edition, Hoy());
}

TRangeProfit BeneficioRango(const TPremiosEuroMillon &premios)
{
    TRangeProfit rango;
    for (int j = 0; j < premios.CountSorteos(); ++j)
        rango.Coste = AddCurrency(rango.Coste, premios.CosteSorteo(j));
    rango.Premios = premios.TotalPremios();
    rango.Beneficio = Subtract(rango.Premios, rango.Coste);
    if (rango.Coste != 0)
        rango.Porcentaje = PercentageAbove(rango.Premios, rango.Coste);
    return rango;
}

std::vector<TProfitPoint> CurvaBeneficio(const TPremiosEuroMillon &premios)
{
    std::vector<TProfitPoint> curva;
    TProfitPoint punto;
    for (int j = premios.CountSorteos() - 1; j >= 0; --j) {
        punto.Fecha = premios.FechaSorteo(j);
        punto.CosteAcumulado = AddCurrency(punto.CosteAcumulado, premios.CosteSorteo(j));
        punto.PremiosAcumulados = AddCurrency(punto.PremiosAcumulados, premios.TotalSorteo(j));
        punto.Beneficio = Subtract(punto.PremiosAcumulados, punto.CosteAcumulado);
        curva.push_back(punto);
    }
    return curva;
}
