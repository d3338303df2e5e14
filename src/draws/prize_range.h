#pragma once

#include "draws/currency.h"
#include "model/game_rules.h"

#include <optional>
#include <vector>

class TPremiosEuroMillon;

// The range of a prize check: its default day and the figures over it.

// The first day of a range unless the user chose one: the given day when it
// is a Friday (the draw day), else the latest Friday before it; a whole day.
double UltimoViernes(double hoy);
// The same for today's date on this computer's clock.
double UltimoViernes();
// The last draw day of the edition on or before today on this computer's
// clock (the latest Friday, or Tuesday in today's game).
double UltimoDiaDeSorteoHoy(TGameEdition edition);

// Inclusive first day of the draws: 13 February 2004.
inline constexpr double kPrimerSorteo = 38030;

// What playing the combination in every draw of a run cost and gave.
struct TRangeProfit {
    Currency Coste = 0;                 // bets x the price of a bet in each draw, summed over the draws
    Currency Premios = 0;               // the checker's TotalPremios
    Currency Beneficio = 0;             // Premios - Coste
    std::optional<Currency> Porcentaje; // Premios * 100 / Coste - 100; none when nothing was spent
};

// Over the draws of the checker's last run (one draw gives the checker's own
// Beneficio and PorcentajeBeneficio). Raises EIntOverflow when a figure does
// not fit.
TRangeProfit BeneficioRango(const TPremiosEuroMillon &premios);

// One draw of the run as the profit chart plots it, running totals up to and
// including that draw.
struct TProfitPoint {
    double Fecha = 0;
    Currency CosteAcumulado = 0;
    Currency PremiosAcumulados = 0;
    Currency Beneficio = 0;
};

// Every draw of the checker's last run, oldest first.
std::vector<TProfitPoint> CurvaBeneficio(const TPremiosEuroMillon &premios);
