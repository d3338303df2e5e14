#include "draws/draw_rules.h"

#include "draws/draw_date.h"
#include "framework/localize.h"
#include "model/format.h"
#include "model/prize_categories.h"

#include <atomic>

namespace {

constexpr int kMartes = 2;
constexpr int kViernes = 5;
constexpr Currency kPrecioClasico = CurrencyFromUnits(2);
constexpr Currency kPrecio2016 = CurrencyFromUnits(2) + kCurrencyScale / 2;

std::atomic<Currency> precioActual{kPrecio2016};

bool Actual(TGameEdition edition)
{
    return edition == TGameEdition::Current;
}

} // namespace

int CategoriasSorteo(TGameEdition edition, double fecha)
{
    return Actual(edition) && fecha >= kFechaCambio2011 ? kMaxCategorias : kNumCategorias;
}

int EstrellaMaximaSorteo(TGameEdition edition, double fecha)
{
    if (!Actual(edition) || fecha < kFechaCambio2011)
        return 9;
    return fecha < kFechaEstrellas2016 ? 11 : 12;
}

bool EsDiaDeSorteo(TGameEdition edition, double fecha)
{
    const int dia = DiaDeLaSemana(fecha);
    return dia == kViernes || (Actual(edition) && dia == kMartes && DiaEntero(fecha) >= kFechaCambio2011);
}

double UltimoDiaDeSorteo(TGameEdition edition, double hoy)
{
    double dia = DiaEntero(hoy);
    while (!EsDiaDeSorteo(edition, dia))
        dia -= 1;
    return dia;
}

TFechaJuego FechaDelJuego(TGameEdition edition, double fecha)
{
    const double dia = DiaEntero(fecha);
    if (!FechaValida(fecha) || dia < kFechaPrimerSorteo)
        return TFechaJuego::AnteriorAlJuego;
    if (!Actual(edition) && dia > kFechaUltimoClasico)
        return TFechaJuego::DelJuegoActual;
    return TFechaJuego::Admitida;
}

void ComprobarFechaDelJuego(TGameEdition edition, double fecha)
{
    const TFechaJuego juego = FechaDelJuego(edition, fecha);
    if (juego == TFechaJuego::Admitida)
        return;
    std::string dia = "?";
    if (FechaValida(fecha)) {
        int year = 0, month = 0, day = 0;
        DecodeFecha(fecha, year, month, day);
        dia = FormatText("%.2d/%.2d/%.4d", {day, month, year});
    }
    throw EDrawGameDateError(FormatText(
        GetText(juego == TFechaJuego::AnteriorAlJuego ? kTextSorteoAnterior : kTextSorteoJuegoActual),
        {dia}));
}

Currency PrecioApuestaSorteo(TGameEdition edition, double fecha)
{
    if (!Actual(edition) || fecha < kFechaPrecio2016)
        return kPrecioClasico;
    return PrecioApuestaActual();
}

void SetPrecioApuestaActual(Currency precio)
{
    precioActual.store(precio > 0 ? precio : kPrecio2016, std::memory_order_relaxed);
}

Currency PrecioApuestaActual()
{
    return precioActual.load(std::memory_order_relaxed);
}

Currency PrecioDeTexto(const std::string &text)
{
    Currency precio = 0;
    return ParseCurrency(text, precio) && precio > 0 ? precio : 0;
}
