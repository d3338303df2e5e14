#include "draws/prize_range.h"

#include "draws/draw_date.h"
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

Currency CostePorSorteo(const TPremiosEuroMillon &premios)
{
    return premios.ImporteCombinacion();
}

} // namespace

double UltimoViernes(double hoy)
{
    double dia = DiaEntero(hoy);
    while (DiaDeLaSemana(dia) != kViernes)
        dia -= 1;
    return dia;
}

double UltimoViernes()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    double hoy = 0;
    EncodeFecha(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, hoy);
    return UltimoViernes(hoy);
}

TBeneficioRango BeneficioRango(const TPremiosEuroMillon &premios)
{
    TBeneficioRango rango;
    rango.Coste = MultiplyCurrency(CostePorSorteo(premios), premios.CountSorteos());
    rango.Premios = premios.TotalPremios();
    rango.Beneficio = Subtract(rango.Premios, rango.Coste);
    if (rango.Coste != 0)
        rango.Porcentaje = PercentageAbove(rango.Premios, rango.Coste);
    return rango;
}

std::vector<TPuntoBeneficio> CurvaBeneficio(const TPremiosEuroMillon &premios)
{
    std::vector<TPuntoBeneficio> curva;
    const Currency coste = CostePorSorteo(premios);
    TPuntoBeneficio punto;
    for (int j = premios.CountSorteos() - 1; j >= 0; --j) {
        punto.Fecha = premios.FechaSorteo(j);
        punto.CosteAcumulado = AddCurrency(punto.CosteAcumulado, coste);
        punto.PremiosAcumulados = AddCurrency(punto.PremiosAcumulados, premios.TotalSorteo(j));
        punto.Beneficio = Subtract(punto.PremiosAcumulados, punto.CosteAcumulado);
        curva.push_back(punto);
    }
    return curva;
}
