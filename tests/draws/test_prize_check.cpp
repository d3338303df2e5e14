#include "draws/draw_archive.h"
#include "draws/prize_check.h"
#include "draws_test_support.h"
#include "model/euromillon_apuestas.h"
#include "prize_reference.h"
#include "prize_test_support.h"

#include <gtest/gtest.h>

namespace {

BetMask Mask(std::initializer_list<int32_t> numbers, std::initializer_list<int32_t> stars)
{
    return SimpleBetMask(std::vector<int32_t>(numbers), std::vector<int32_t>(stars));
}

void Append(TEuroMillonApuestas &apuestas, BetMask mask)
{
    apuestas.AppendMasks(&mask, 1);
}

// The draw 3 14 22 35 48 + 2 9 of 19 March 2004 with prizes 1.00, 2.00 ... 12.00.
TSorteoEuroMillonInfo PricedDraw(double fecha, TEuroMillonNumeros numeros, TEuroMillonNumeros estrellas)
{
    TSorteoEuroMillonInfo info = MakeDraw(fecha, std::move(numeros), std::move(estrellas));
    for (int c = 1; c <= kNumCategorias; ++c)
        info.PremioCategoria[c] = CurrencyFromUnits(c);
    return info;
}

} // namespace

TEST(PrizeCheck, CategoriesOfTheDocumentedCases)
{
    TSorteosEuroMillon sorteos;
    sorteos.AddSorteo(PricedDraw(38065, {3, 14, 22, 35, 48}, {2, 9}));
    TEuroMillonApuestas apuestas;
    Append(apuestas, Mask({3, 14, 22, 35, 48}, {2, 9})); // 5+2
    Append(apuestas, Mask({3, 14, 22, 35, 47}, {2, 5})); // 4+1
    Append(apuestas, Mask({3, 14, 1, 2, 4}, {2, 9}));    // 2+2
    Append(apuestas, Mask({3, 14, 22, 1, 2}, {1, 5}));   // 3+0
    Append(apuestas, Mask({3, 14, 1, 2, 4}, {1, 5}));    // 2+0: nothing
    Append(apuestas, Mask({3, 1, 2, 4, 5}, {2, 5}));     // 1+1: nothing
    Append(apuestas, Mask({3, 1, 2, 4, 5}, {2, 9}));     // 1+2
    Append(apuestas, Mask({3, 14, 1, 2, 4}, {1, 9}));    // 2+1

    TPremiosEuroMillon premios;
    premios.SetApuestas(&apuestas);
    premios.Procesar(sorteos);
    std::vector<TApuestaPremiada> expected{
        {0, 38065, 1, CurrencyFromUnits(1)},   {1, 38065, 5, CurrencyFromUnits(5)},
        {2, 38065, 9, CurrencyFromUnits(9)},   {3, 38065, 10, CurrencyFromUnits(10)},
        {6, 38065, 11, CurrencyFromUnits(11)}, {7, 38065, 12, CurrencyFromUnits(12)},
    };
    EXPECT_EQ(Hits(premios), expected);
    EXPECT_EQ(premios.TotalPremios(), CurrencyFromUnits(48));
    EXPECT_EQ(premios.NumPremiadas(9), 1);
    EXPECT_EQ(premios.TotalCategoria(10), CurrencyFromUnits(10));
    EXPECT_EQ(premios.NumPremiadas(2), 0);
    EXPECT_EQ(apuestas.Current(), -1); // the check only reads the combination
}

TEST(PrizeCheck, HitsAreListedBetByBetNewestDrawFirst)
{
    TSorteosEuroMillon sorteos;
    sorteos.AddSorteo(PricedDraw(38065, {3, 14, 22, 35, 48}, {2, 9}));
    TSorteoEuroMillonInfo later = MakeDraw(38072, {3, 14, 22, 35, 48}, {2, 8}); // prize table left at 0
    sorteos.AddSorteo(later);
    TEuroMillonApuestas apuestas;
    Append(apuestas, Mask({1, 2, 3, 4, 5}, {1, 3})); // nothing
    Append(apuestas, Mask({3, 14, 22, 35, 48}, {2, 9}));
    TPremiosEuroMillon premios;
    premios.SetApuestas(&apuestas);
    premios.Procesar(sorteos);
    std::vector<TApuestaPremiada> expected{{1, 38072, 2, 0}, {1, 38065, 1, CurrencyFromUnits(1)}};
    EXPECT_EQ(Hits(premios), expected);
    EXPECT_EQ(premios.NumPremiadas(1) + premios.NumPremiadas(2), 2);
    EXPECT_EQ(premios.TotalPremios(), CurrencyFromUnits(1));
    TApuestaPremiada hit;
    EXPECT_THROW(premios.GetPremiada(2, hit), EListError);
    EXPECT_THROW(premios.GetPremiada(-1, hit), EListError);
}

TEST(PrizeCheck, CostProfitAndPercentage)
{
    TSorteosEuroMillon sorteos;
    TSorteoEuroMillonInfo draw = MakeDraw(38065, {3, 14, 22, 35, 48}, {2, 9});
    draw.PremioCategoria[1] = CurrencyFromUnits(30);
    sorteos.AddSorteo(draw);
    TEuroMillonApuestas apuestas;
    TPremiosEuroMillon premios;
    premios.Procesar(sorteos); // no combination: nothing
    EXPECT_EQ(premios.CountPremiadas(), 0);
    EXPECT_EQ(premios.ImporteCombinacion(), 0);

    premios.SetApuestas(&apuestas);
    premios.Procesar(sorteos);
    EXPECT_EQ(premios.TotalPremios(), 0);
    EXPECT_EQ(premios.ImporteCombinacion(), 0);
    EXPECT_FALSE(premios.PorcentajeBeneficio().has_value());

    Append(apuestas, Mask({3, 14, 22, 35, 48}, {2, 9}));
    for (int i = 0; i < 9; ++i)
        Append(apuestas, Mask({1, 2, 4, 5, 6}, {1, 3}));
    premios.Procesar(sorteos);
    EXPECT_EQ(premios.TotalPremios(), CurrencyFromUnits(30));
    EXPECT_EQ(premios.ImporteCombinacion(), CurrencyFromUnits(20));
    EXPECT_EQ(premios.Beneficio(), CurrencyFromUnits(10));
    EXPECT_EQ(premios.PorcentajeBeneficio(), CurrencyFromUnits(50));

    TSorteosEuroMillon empty;
    premios.Procesar(empty);
    EXPECT_EQ(premios.TotalPremios(), 0);
    EXPECT_EQ(premios.Beneficio(), CurrencyFromUnits(-20));
    EXPECT_EQ(premios.PorcentajeBeneficio(), CurrencyFromUnits(-100));
}

TEST(PrizeCheck, SetApuestasKeepsResultsOnlyForTheSameCombination)
{
    TSorteosEuroMillon sorteos;
    sorteos.AddSorteo(PricedDraw(38065, {3, 14, 22, 35, 48}, {2, 9}));
    TEuroMillonApuestas apuestas, others;
    Append(apuestas, Mask({3, 14, 22, 35, 48}, {2, 9}));
    TPremiosEuroMillon premios;
    premios.SetApuestas(&apuestas);
    premios.Procesar(sorteos);
    premios.SetApuestas(&apuestas);
    EXPECT_EQ(premios.CountPremiadas(), 1);
    premios.SetApuestas(&others);
    EXPECT_EQ(premios.CountPremiadas(), 0);
    EXPECT_EQ(premios.TotalPremios(), 0);
    premios.SetApuestas(&apuestas);
    premios.Procesar(sorteos);
    premios.Clear();
    EXPECT_EQ(premios.CountPremiadas(), 0);
    EXPECT_EQ(premios.Apuestas(), &apuestas);
}

TEST(PrizeCheck, IncompleteDrawsAndHugePrizes)
{
    TSorteosEuroMillon sorteos;
    sorteos.AddSorteo(MakeDraw(38065, {3, 14, 22}, {})); // incomplete winning bet
    TSorteoEuroMillonInfo huge = MakeDraw(38072, {3, 14, 22, 35, 48}, {2, 9});
    huge.PremioCategoria[1] = INT64_MAX;
    sorteos.AddSorteo(huge);
    TEuroMillonApuestas apuestas;
    Append(apuestas, Mask({3, 14, 22, 35, 48}, {2, 9}));
    TPremiosEuroMillon premios;
    premios.SetApuestas(&apuestas);
    premios.Procesar(sorteos);
    EXPECT_EQ(premios.CountPremiadas(), 2);
    EXPECT_EQ(premios.TotalPremios(), INT64_MAX);
    Append(apuestas, Mask({3, 14, 22, 35, 48}, {2, 9}));
    EXPECT_THROW(premios.Procesar(sorteos), EIntOverflow);
    EXPECT_EQ(premios.CountPremiadas(), 0);
}

TEST(PrizeCheck, AgreesWithThePlainCheck)
{
    std::mt19937 random(38065);
    std::vector<TReferenceBet> bets, draws;
    for (int i = 0; i < 5000; ++i)
        bets.push_back(RandomReferenceBet(random));
    for (int i = 0; i < 150; ++i)
        draws.push_back(RandomReferenceBet(random));

    TEuroMillonApuestas apuestas;
    for (const TReferenceBet &bet : bets)
        Append(apuestas, SimpleBetMask(bet.Numeros, bet.Estrellas));
    TSorteosEuroMillon sorteos;
    for (size_t j = 0; j < draws.size(); ++j) {
        // Newest first: draw j is the one j weeks before the newest.
        TSorteoEuroMillonInfo info =
            MakeDraw(40669 - 7.0 * static_cast<double>(j), {draws[j].Numeros.begin(), draws[j].Numeros.end()},
                     {draws[j].Estrellas.begin(), draws[j].Estrellas.end()});
        for (int c = 1; c <= kNumCategorias; ++c)
            info.PremioCategoria[c] = static_cast<Currency>(random() % 100000000);
        sorteos.AddSorteo(info);
    }

    TPremiosEuroMillon premios;
    premios.SetApuestas(&apuestas);
    premios.Procesar(sorteos);
    std::vector<TReferenceHit> expected = ReferencePrizeCheck(bets, draws);
    ASSERT_EQ(premios.CountPremiadas(), static_cast<int64_t>(expected.size()));
    TPorCategoria<int64_t> counts;
    TPorCategoria<Currency> totals;
    Currency total = 0;
    for (size_t k = 0; k < expected.size(); ++k) {
        TApuestaPremiada hit;
        premios.GetPremiada(static_cast<int64_t>(k), hit);
        const TSorteoEuroMillonInfo &draw = sorteos.Sorteo(expected[k].Sorteo);
        ASSERT_EQ(hit, (TApuestaPremiada{expected[k].Apuesta, draw.FechaSorteo, expected[k].Categoria,
                                         draw.PremioCategoria[expected[k].Categoria]}))
            << k;
        ++counts[hit.Categoria];
        totals[hit.Categoria] += hit.Importe;
        total += hit.Importe;
    }
    for (int c = 1; c <= kNumCategorias; ++c) {
        EXPECT_EQ(premios.NumPremiadas(c), counts[c]);
        EXPECT_EQ(premios.TotalCategoria(c), totals[c]);
    }
    EXPECT_EQ(premios.TotalPremios(), total);

    // The hits found again walk by walk and page by page, across the runs
    // of bets the counts are kept for, are the same hits.
    std::vector<TApuestaPremiada> walked;
    premios.ForEachPremiada([&](const TApuestaPremiada &hit) { walked.push_back(hit); });
    ASSERT_EQ(walked.size(), expected.size());
    for (size_t size : {size_t{1}, size_t{7}, size_t{1000}})
        for (size_t first = 0; first <= walked.size(); first += size * 13 + 1) {
            const std::vector<TApuestaPremiada> page =
                premios.GetPremiadas(static_cast<int64_t>(first), size);
            ASSERT_EQ(page.size(), std::min(size, walked.size() - first));
            for (size_t k = 0; k < page.size(); ++k)
                ASSERT_EQ(page[k], walked[first + k]) << first << "+" << k;
        }
    EXPECT_THROW(premios.GetPremiadas(premios.CountPremiadas() + 1, 1), EListError);
}
