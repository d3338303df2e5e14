// The prize check of today's game: 2+0, the official prizes of a draw, the
// price of a bet by date, and a plain reference over every draw.
#include "current_edition_support.h"
#include "draws/draw_rules.h"
#include "draws/prize_check.h"
#include "draws/prize_range.h"
#include "model/euromillon_apuestas.h"
#include "prize_test_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace {

BetMask Bet(std::initializer_list<int32_t> numbers, std::initializer_list<int32_t> stars)
{
    return SimpleBetMask(std::vector<int32_t>(numbers), std::vector<int32_t>(stars), 12);
}

std::unique_ptr<TEuroMillonApuestas> Combination(const std::vector<BetMask> &bets)
{
    auto apuestas = std::make_unique<TEuroMillonApuestas>(TGameEdition::Current);
    apuestas->AppendMasks(bets.data(), bets.size());
    return apuestas;
}

// The official result of 19 May 2026: 2 12 20 38 45, stars 2 5, and the
// prize of one winner of each rank as the operator's file gives it.
constexpr std::array<Currency, 13> kPrizes19May2026{
    0, 1954422000, 152260000, 18557000, 1228000, 512000, 427000, 116000, 108000, 104000, 57000, 53000, 43000,
};

class CurrentDefaultArchive : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        archive_ = new TSorteosEuroMillon(TGameEdition::Current);
        LoadDefaultCurrentArchive(*archive_);
    }
    static void TearDownTestSuite()
    {
        delete archive_;
        archive_ = nullptr;
    }
    static TSorteosEuroMillon *archive_;
};

TSorteosEuroMillon *CurrentDefaultArchive::archive_ = nullptr;

// --- the plain reference: numbers compared one by one ---------------------

struct TPlainBet {
    std::vector<int32_t> Numeros;
    std::vector<int32_t> Estrellas;
};

int Shared(const std::vector<int32_t> &a, const std::vector<int32_t> &b)
{
    int shared = 0;
    for (int32_t x : a)
        for (int32_t y : b)
            shared += x == y;
    return shared;
}

// Category of n numbers and s stars hit in a draw of that day; 0 for none.
int PlainCategory(int n, int s, double day)
{
    static const int pairs[13][2] = {{5, 2}, {5, 1}, {5, 0}, {4, 2}, {4, 1}, {4, 0}, {3, 2},
                                     {3, 1}, {2, 2}, {3, 0}, {1, 2}, {2, 1}, {2, 0}};
    const int categories = day >= DayOf(2011, 5, 10) ? 13 : 12;
    for (int c = 0; c < categories; ++c)
        if (pairs[c][0] == n && pairs[c][1] == s)
            return c + 1;
    return 0;
}

Currency PlainPrice(double day)
{
    return day >= DayOf(2016, 9, 24) ? 25000 : 20000;
}

TPlainBet RandomBet(std::mt19937 &random)
{
    TPlainBet bet;
    std::vector<int32_t> numbers(50), stars(12);
    for (int i = 0; i < 50; ++i)
        numbers[static_cast<size_t>(i)] = i + 1;
    for (int i = 0; i < 12; ++i)
        stars[static_cast<size_t>(i)] = i + 1;
    std::shuffle(numbers.begin(), numbers.end(), random);
    std::shuffle(stars.begin(), stars.end(), random);
    bet.Numeros.assign(numbers.begin(), numbers.begin() + 5);
    bet.Estrellas.assign(stars.begin(), stars.begin() + 2);
    return bet;
}

} // namespace

TEST(CurrentPrizes, TwoNumbersAndNoStarWinFromMay2011Only)
{
    TSorteosEuroMillon current(TGameEdition::Current);
    TSorteoEuroMillonInfo today = MakeDraw(DayOf(2026, 5, 19), {2, 12, 20, 38, 45}, {2, 5});
    today.PremioCategoria[13] = 43000;
    TSorteoEuroMillonInfo before = MakeDraw(DayOf(2011, 5, 6), {2, 12, 20, 38, 45}, {2, 5});
    before.PremioCategoria[12] = 99999;
    current.AddSorteo(today);
    current.AddSorteo(before);
    const auto apuestas = Combination({Bet({2, 12, 1, 3, 4}, {10, 12})});

    TPremiosEuroMillon premios;
    premios.SetApuestas(apuestas.get());
    premios.Procesar(current);
    const std::vector<TApuestaPremiada> expected{{0, DayOf(2026, 5, 19), 13, 43000}};
    EXPECT_EQ(Hits(premios), expected);
    EXPECT_EQ(premios.NumPremiadas(13), 1);
    EXPECT_EQ(premios.TotalCategoria(13), 43000);
    EXPECT_EQ(premios.TotalPremios(), 43000);

    // The classic game never pays 2+0 (nor holds a draw after 6 May 2011).
    TSorteosEuroMillon classic;
    TSorteoEuroMillonInfo classicDraw = today;
    classicDraw.FechaSorteo = DayOf(2011, 5, 6);
    classic.AddSorteo(classicDraw);
    premios.Procesar(classic);
    EXPECT_EQ(premios.CountPremiadas(), 0);
    EXPECT_EQ(premios.NumPremiadas(13), 0);
}

TEST(CurrentPrizes, ScanPaysTwoNoneOnlyInDrawsOfThirteenCategories)
{
    // Simple bets go 64 draws at a time, others (6 numbers, 3 stars) one draw
    // at a time: both pay 2+0 exactly where the draw has the category.
    const BetMask draw = Bet({2, 12, 20, 38, 45}, {2, 5});
    const std::vector<BetMask> draws(70, draw);
    std::vector<uint8_t> categories(70, 12);
    categories[3] = 13;
    categories[69] = 13;
    const BetMask simple = Bet({2, 12, 1, 3, 4}, {10, 12});
    const BetMask multiple = simple | NumberBit(6) | StarBit(11);
    const std::vector<BetMask> bets{simple, multiple};
    TPrizeScan scan;
    scan.Run(bets, draws, categories);
    ASSERT_EQ(scan.Count(), 4u);
    for (uint64_t i = 0; i < 4; ++i) {
        EXPECT_EQ(scan.Hit(i).Apuesta, static_cast<int32_t>(i / 2));
        EXPECT_EQ(scan.Hit(i).Sorteo, i % 2 == 0 ? 3 : 69);
        EXPECT_EQ(scan.Hit(i).Categoria, 13);
    }
    EXPECT_EQ(scan.HitsOf(3, 13), 2u);
    EXPECT_EQ(scan.HitsOf(4, 13), 0u);
    // Without the counts every draw has twelve.
    scan.Run(bets, draws);
    EXPECT_EQ(scan.Count(), 0u);
}

TEST_F(CurrentDefaultArchive, TheDrawOf19May2026PaysTheOfficialPrizes)
{
    TSorteosEuroMillon sorteos(TGameEdition::Current);
    const int index = archive_->IndexOfFecha(DayOf(2026, 5, 19));
    ASSERT_GE(index, 0);
    sorteos.AddSorteo(archive_->Sorteo(index));
    EXPECT_EQ(sorteos.Sorteo(0).ApuestaGanadora.Numeros, (TEuroMillonNumeros{2, 12, 20, 38, 45}));
    EXPECT_EQ(sorteos.Sorteo(0).ApuestaGanadora.Estrellas, (TEuroMillonNumeros{2, 5}));

    // One bet per category, in category order.
    const auto apuestas = Combination({
        Bet({2, 12, 20, 38, 45}, {2, 5}), Bet({2, 12, 20, 38, 45}, {2, 7}), Bet({2, 12, 20, 38, 45}, {7, 8}),
        Bet({2, 12, 20, 38, 1}, {2, 5}), Bet({2, 12, 20, 38, 1}, {2, 7}), Bet({2, 12, 20, 38, 1}, {7, 8}),
        Bet({2, 12, 20, 1, 3}, {2, 5}), Bet({2, 12, 20, 1, 3}, {5, 9}), Bet({2, 12, 1, 3, 4}, {2, 5}),
        Bet({2, 12, 20, 1, 3}, {7, 8}), Bet({2, 1, 3, 4, 6}, {2, 5}), Bet({2, 12, 1, 3, 4}, {5, 11}),
        Bet({2, 12, 1, 3, 4}, {10, 12}), Bet({1, 3, 4, 6, 7}, {2, 9}), // 0+1: nothing
    });
    TPremiosEuroMillon premios;
    premios.SetApuestas(apuestas.get());
    premios.Procesar(sorteos);
    ASSERT_EQ(premios.CountPremiadas(), 13);
    Currency total = 0;
    for (int c = 1; c <= 13; ++c) {
        TApuestaPremiada hit;
        premios.GetPremiada(c - 1, hit);
        EXPECT_EQ(hit.IndiceApuesta, c - 1);
        EXPECT_EQ(hit.Categoria, c);
        EXPECT_EQ(hit.Importe, kPrizes19May2026[static_cast<size_t>(c - 1)]) << c;
        EXPECT_EQ(premios.TotalCategoria(c), kPrizes19May2026[static_cast<size_t>(c - 1)]);
        total += kPrizes19May2026[static_cast<size_t>(c - 1)];
    }
    EXPECT_EQ(premios.TotalPremios(), total);
    EXPECT_EQ(FormatCurrency(premios.TotalPremios()), "212,788.70");
    // 14 bets at 2.50 in the one draw.
    EXPECT_EQ(premios.ImporteCombinacion(), 350000);
    EXPECT_EQ(premios.Beneficio(), total - 350000);
}

TEST_F(CurrentDefaultArchive, ThousandRandomBetsOverEveryDrawAgreeWithThePlainReference)
{
    std::mt19937 random(20260519);
    std::vector<TPlainBet> bets;
    std::vector<BetMask> masks;
    for (int i = 0; i < 1000; ++i) {
        bets.push_back(RandomBet(random));
        masks.push_back(SimpleBetMask(bets.back().Numeros, bets.back().Estrellas, 12));
    }
    const auto apuestas = Combination(masks);
    TPremiosEuroMillon premios;
    premios.SetApuestas(apuestas.get());
    premios.Procesar(*archive_);

    std::vector<TApuestaPremiada> expected;
    std::array<int64_t, 14> count{};
    std::array<Currency, 14> amount{};
    Currency total = 0;
    Currency cost = 0;
    for (size_t i = 0; i < bets.size(); ++i)
        for (int j = 0; j < archive_->Count(); ++j) {
            const TSorteoEuroMillonInfo &draw = archive_->Sorteo(j);
            const int c =
                PlainCategory(Shared(bets[i].Numeros, draw.ApuestaGanadora.Numeros),
                              Shared(bets[i].Estrellas, draw.ApuestaGanadora.Estrellas), draw.FechaSorteo);
            if (c == 0)
                continue;
            expected.push_back({static_cast<int32_t>(i), draw.FechaSorteo, c, draw.PremioCategoria[c]});
            ++count[static_cast<size_t>(c)];
            amount[static_cast<size_t>(c)] += draw.PremioCategoria[c];
            total += draw.PremioCategoria[c];
        }
    for (int j = 0; j < archive_->Count(); ++j)
        cost += 1000 * PlainPrice(archive_->Sorteo(j).FechaSorteo);

    EXPECT_EQ(Hits(premios), expected);
    for (int c = 1; c <= 13; ++c) {
        EXPECT_EQ(premios.NumPremiadas(c), count[static_cast<size_t>(c)]) << c;
        EXPECT_EQ(premios.TotalCategoria(c), amount[static_cast<size_t>(c)]) << c;
    }
    EXPECT_GT(count[13], 0);
    EXPECT_EQ(premios.TotalPremios(), total);
    const TRangeProfit rango = BeneficioRango(premios);
    EXPECT_EQ(rango.Coste, cost);
    EXPECT_EQ(rango.Beneficio, total - cost);
    const std::vector<TProfitPoint> curva = CurvaBeneficio(premios);
    ASSERT_EQ(curva.size(), 1947u);
    EXPECT_EQ(curva.back().CosteAcumulado, cost);
    EXPECT_EQ(curva.front().CosteAcumulado, 20000000); // the first draw, at 2.00
}

TEST(CurrentPrizes, EachDrawCostsItsOwnPriceAndTheUsersPriceCountsFrom2016)
{
    TSorteosEuroMillon sorteos(TGameEdition::Current);
    sorteos.AddSorteo(MakeDraw(DayOf(2016, 9, 23), {1, 2, 3, 4, 5}, {1, 2}));
    sorteos.AddSorteo(MakeDraw(DayOf(2016, 9, 27), {1, 2, 3, 4, 5}, {1, 2}));
    const auto apuestas =
        Combination({Bet({10, 20, 30, 40, 50}, {11, 12}), Bet({11, 21, 31, 41, 49}, {10, 12})});
    TPremiosEuroMillon premios;
    premios.SetApuestas(apuestas.get());
    EXPECT_EQ(premios.ImporteCombinacion(), 40000); // before any run: the classic price
    premios.Procesar(sorteos);
    EXPECT_EQ(premios.PrecioSorteo(0), 25000); // newest first
    EXPECT_EQ(premios.PrecioSorteo(1), 20000);
    EXPECT_EQ(premios.CosteSorteo(0), 50000);
    // Every bet in every draw, each at its own price.
    EXPECT_EQ(premios.ImporteCombinacion(), 90000);
    EXPECT_EQ(BeneficioRango(premios).Coste, 90000);
    EXPECT_THROW(premios.PrecioSorteo(2), EListError);

    SetPrecioApuestaActual(35000);
    premios.Procesar(sorteos);
    EXPECT_EQ(BeneficioRango(premios).Coste, 2 * 35000 + 2 * 20000);
    SetPrecioApuestaActual(0);

    // The classic game's archive: 2.00 each.
    TSorteosEuroMillon classic;
    classic.AddSorteo(MakeDraw(DayOf(2011, 4, 29), {1, 2, 3, 4, 5}, {1, 2}));
    classic.AddSorteo(MakeDraw(DayOf(2011, 5, 6), {1, 2, 3, 4, 5}, {1, 2}));
    premios.Procesar(classic);
    EXPECT_EQ(BeneficioRango(premios).Coste, 80000);
    EXPECT_EQ(premios.ImporteCombinacion(), 80000);
}

TEST_F(CurrentDefaultArchive, EveryBetOfEveryDrawIsPaidAtThatDrawsPrice)
{
    // 2,003 bets over the 1,947 draws: 940 at 2.00 before 24 September 2016,
    // 1,007 at 2.50 since.
    const std::vector<BetMask> masks(2003, Bet({1, 2, 3, 4, 5}, {1, 2}));
    const auto apuestas = Combination(masks);
    TPremiosEuroMillon premios;
    premios.SetApuestas(apuestas.get());
    ASSERT_EQ(archive_->Count(), 1947);
    premios.Procesar(*archive_);
    EXPECT_EQ(FormatCurrency(premios.ImporteCombinacion()), "8,808,192.50");
    EXPECT_EQ(BeneficioRango(premios).Coste, premios.ImporteCombinacion());
    EXPECT_EQ(premios.Beneficio(), premios.TotalPremios() - premios.ImporteCombinacion());
    // profit * 100 / cost
    EXPECT_EQ(premios.PorcentajeBeneficio(),
              PercentageAbove(premios.Beneficio(), premios.ImporteCombinacion()) + CurrencyFromUnits(100));
}
