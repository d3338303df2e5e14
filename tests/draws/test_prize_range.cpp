#include "draws/draw_archive.h"
#include "draws/draw_date.h"
#include "draws/prize_check.h"
#include "draws/prize_range.h"
#include "draws_test_support.h"
#include "model/euromillon_apuestas.h"

#include <gtest/gtest.h>

namespace {

double Day(int year, int month, int day)
{
    double fecha = 0;
    EncodeFecha(year, month, day, fecha);
    return fecha;
}

// count bets, the first one winning category 1 of every draw.
void FillBets(TEuroMillonApuestas &apuestas, int count)
{
    std::vector<BetMask> masks;
    masks.push_back(SimpleBetMask(std::vector<int32_t>{3, 14, 22, 35, 48}, std::vector<int32_t>{2, 9}));
    for (int k = 1; k < count; ++k)
        masks.push_back(
            SimpleBetMask(std::vector<int32_t>{40, 41, 42, 43, 44 + k % 6}, std::vector<int32_t>{5, 6}));
    apuestas.AppendMasks(masks.data(), masks.size());
}

TSorteoEuroMillonInfo DrawPaying(double fecha, Currency premio)
{
    TSorteoEuroMillonInfo info = MakeDraw(fecha, {3, 14, 22, 35, 48}, {2, 9});
    info.PremioCategoria[1] = premio;
    return info;
}

} // namespace

TEST(UltimoViernes, FridayItselfOrTheFridayBefore)
{
    EXPECT_EQ(UltimoViernes(Day(2004, 2, 13)), Day(2004, 2, 13));
    EXPECT_EQ(UltimoViernes(Day(2004, 2, 13) + 0.75), Day(2004, 2, 13));
    EXPECT_EQ(UltimoViernes(Day(2004, 2, 19)), Day(2004, 2, 13)); // Thursday
    EXPECT_EQ(UltimoViernes(Day(2004, 2, 14)), Day(2004, 2, 13)); // Saturday
    EXPECT_EQ(UltimoViernes(Day(2026, 1, 1)), Day(2025, 12, 26)); // across a year
    const double today = UltimoViernes();
    EXPECT_EQ(DiaDeLaSemana(today), 5);
    EXPECT_EQ(today, DiaEntero(today));
}

TEST(BeneficioRango, OneDrawGivesTheCheckersOwnFigures)
{
    TEuroMillonApuestas apuestas;
    FillBets(apuestas, 10);
    TSorteosEuroMillon sorteos;
    sorteos.AddSorteo(DrawPaying(Day(2004, 2, 20), CurrencyFromUnits(30)));
    TPremiosEuroMillon premios;
    premios.SetApuestas(&apuestas);
    premios.Procesar(sorteos);

    const TRangeProfit rango = BeneficioRango(premios);
    EXPECT_EQ(rango.Coste, CurrencyFromUnits(20));
    EXPECT_EQ(rango.Premios, CurrencyFromUnits(30));
    EXPECT_EQ(rango.Beneficio, premios.Beneficio());
    EXPECT_EQ(rango.Porcentaje, premios.PorcentajeBeneficio());
    EXPECT_EQ(rango.Porcentaje, 500000);
}

TEST(BeneficioRango, CostGrowsWithTheDrawsOfTheRange)
{
    TEuroMillonApuestas apuestas;
    FillBets(apuestas, 10);
    TSorteosEuroMillon sorteos;
    sorteos.AddSorteo(DrawPaying(Day(2004, 2, 20), CurrencyFromUnits(30)));
    sorteos.AddSorteo(DrawPaying(Day(2004, 2, 13), 0));
    TPremiosEuroMillon premios;
    premios.SetApuestas(&apuestas);
    premios.Procesar(sorteos);

    const TRangeProfit rango = BeneficioRango(premios);
    EXPECT_EQ(rango.Coste, CurrencyFromUnits(40));
    EXPECT_EQ(rango.Premios, CurrencyFromUnits(30));
    EXPECT_EQ(rango.Beneficio, CurrencyFromUnits(-10));
    EXPECT_EQ(rango.Porcentaje, -250000); // -25.00 %
}

TEST(BeneficioRango, EmptyCombinationHasNoPercentage)
{
    TEuroMillonApuestas apuestas;
    TSorteosEuroMillon sorteos;
    sorteos.AddSorteo(DrawPaying(Day(2004, 2, 20), CurrencyFromUnits(30)));
    TPremiosEuroMillon premios;
    premios.SetApuestas(&apuestas);
    premios.Procesar(sorteos);
    const TRangeProfit rango = BeneficioRango(premios);
    EXPECT_EQ(rango.Coste, 0);
    EXPECT_EQ(rango.Beneficio, 0);
    EXPECT_FALSE(rango.Porcentaje.has_value());
}

TEST(CurvaBeneficio, RunningTotalsOldestFirst)
{
    TEuroMillonApuestas apuestas;
    FillBets(apuestas, 5);
    TSorteosEuroMillon sorteos;
    sorteos.AddSorteo(DrawPaying(Day(2004, 2, 13), CurrencyFromUnits(4)));
    sorteos.AddSorteo(DrawPaying(Day(2004, 2, 27), CurrencyFromUnits(100)));
    sorteos.AddSorteo(MakeDraw(Day(2004, 2, 20), {1, 2, 4, 5, 6}, {7, 8}));
    TPremiosEuroMillon premios;
    premios.SetApuestas(&apuestas);
    premios.Procesar(sorteos);

    ASSERT_EQ(premios.CountSorteos(), 3);
    EXPECT_EQ(premios.TotalSorteo(0), CurrencyFromUnits(100));
    EXPECT_THROW(premios.TotalSorteo(3), EListError);
    const std::vector<TProfitPoint> curva = CurvaBeneficio(premios);
    ASSERT_EQ(curva.size(), 3u);
    EXPECT_EQ(curva[0].Fecha, Day(2004, 2, 13));
    EXPECT_EQ(curva[0].CosteAcumulado, CurrencyFromUnits(10));
    EXPECT_EQ(curva[0].PremiosAcumulados, CurrencyFromUnits(4));
    EXPECT_EQ(curva[0].Beneficio, CurrencyFromUnits(-6));
    EXPECT_EQ(curva[1].Fecha, Day(2004, 2, 20));
    EXPECT_EQ(curva[1].Beneficio, CurrencyFromUnits(-16));
    EXPECT_EQ(curva[2].Fecha, Day(2004, 2, 27));
    EXPECT_EQ(curva[2].CosteAcumulado, CurrencyFromUnits(30));
    EXPECT_EQ(curva[2].PremiosAcumulados, CurrencyFromUnits(104));
    EXPECT_EQ(curva[2].Beneficio, CurrencyFromUnits(74));
    EXPECT_EQ(BeneficioRango(premios).Beneficio, curva.back().Beneficio);
}

TEST(CurvaBeneficio, NoRunNoPoints)
{
    TPremiosEuroMillon premios;
    EXPECT_TRUE(CurvaBeneficio(premios).empty());
    EXPECT_EQ(BeneficioRango(premios).Coste, 0);
}
