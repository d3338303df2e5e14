// The odds of a combination over every draw of the game, and the two ways of
// marking the bets' keys.
#include "generator_test_support.h"
#include "reference_guarantee.h"

#include "draws/draw_archive.h"
#include "generator/guarantee_analyser.h"
#include "generator/guarantee_marks.h"
#include "generator/guarantee_odds.h"
#include "generator/mask_enumeration.h"

#include <gtest/gtest.h>

#include <random>

namespace {

constexpr TGameEdition kClassic = TGameEdition::Classic;
constexpr TGameEdition kCurrent = TGameEdition::Current;

TGuaranteeOdds Odds(const std::vector<BetMask> &bets, TGameEdition edition, BetMask universe = 0,
                    unsigned threads = 1)
{
    TGuaranteeAnalyser analyser;
    analyser.SetEdition(edition);
    analyser.SetThreads(threads);
    return analyser.Odds(bets, universe);
}

// Every draw of the universe against every bet, as plainly as possible.
TGuaranteeOdds BruteOdds(const std::vector<BetMask> &bets, BetMask universe, TGameEdition edition)
{
    const int categories = GameRules(edition).CategoryCount;
    TGuaranteeOdds odds;
    odds.Best.Categories = categories;
    odds.Bets = static_cast<int64_t>(bets.size());
    for (BetMask pair : StarPairMasks(universe))
        for (BetMask quintet : NumberQuintetMasks(universe)) {
            const BetMask draw = quintet | pair;
            reference_guarantee::Count(odds.Best, reference_guarantee::BestCategory(bets, draw, categories));
            for (BetMask bet : bets) {
                const int categoria =
                    CategoriaPremio(SharedNumbers(bet, draw), SharedStars(bet, draw), categories);
                if (categoria > 0)
                    ++odds.BetWins[static_cast<size_t>(categoria - 1)];
            }
        }
    return odds;
}

// Random bets: mostly simple bets from the pools, now and then one with
// fewer numbers or stars.
std::vector<BetMask> RandomBets(std::mt19937 &random, size_t count, BetMask numbers, BetMask stars)
{
    auto uniform = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    std::vector<BetMask> bets;
    for (size_t i = 0; i < count; ++i) {
        const int numberCount = uniform(0, 12) == 0 ? uniform(0, 4) : 5;
        const int starCount = uniform(0, 12) == 0 ? uniform(0, 1) : 2;
        bets.push_back(PickFrom(random, numbers, numberCount) | PickFrom(random, stars, starCount));
    }
    return bets;
}

int64_t Sum(const TGuaranteeTable &table)
{
    int64_t sum = 0;
    for (int64_t count : table.PerCategory)
        sum += count;
    return sum;
}

} // namespace

TEST(GuaranteeOdds, AgreeWithEveryDrawOfSmallGames)
{
    std::mt19937 random(20261209);
    auto uniform = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int round = 0; round < 40; ++round) {
        const TGameEdition edition = round % 2 ? kCurrent : kClassic;
        const BetMask gameStars = GameRules(edition).StarBits;
        // The small game: some numbers and stars of the edition.
        const BetMask universe =
            PickFrom(random, kNumberBits, uniform(5, 11)) | PickFrom(random, gameStars, uniform(2, 5));
        // Bets mostly inside it, some reaching outside (those values hit nothing).
        const bool wider = round % 4 == 3;
        const BetMask numberPool = wider ? kNumberBits : universe & kNumberBits;
        const BetMask starPool = wider ? gameStars : universe & gameStars;
        const std::vector<BetMask> bets = RandomBets(
            random, static_cast<size_t>(round % 5 == 4 ? 0 : uniform(1, 12)), numberPool, starPool);
        SCOPED_TRACE(testing::Message() << "round " << round);
        const TGuaranteeOdds expected = BruteOdds(bets, universe, edition);
        const TGuaranteeOdds odds = Odds(bets, edition, universe, 1 + static_cast<unsigned>(round % 3));
        ASSERT_EQ(odds.Best, expected.Best);
        ASSERT_EQ(odds.BetWins, expected.BetWins);
        EXPECT_EQ(odds.Bets, expected.Bets);
        EXPECT_EQ(odds.Best.Draws, GuaranteeDrawCount(universe));
        // Over the selection of the whole small game, the guarantee says the same.
        if (CountNumbers(universe) >= 5) {
            EXPECT_EQ(odds.Best, ReferenceGuarantee(bets, universe, edition).All);
        }
    }
}

TEST(GuaranteeOdds, OneBetHasTheCountsOfASingleBet)
{
    struct Case {
        TGameEdition edition;
        std::vector<int64_t> counts; // 5+2 ... then none
    };
    const Case cases[] = {
        {kClassic, {1, 14, 21, 225, 3150, 4725, 9900, 138600, 141900, 207900, 744975, 1986600, 73037349}},
        {kCurrent,
         {1, 20, 45, 225, 4500, 10125, 9900, 198000, 141900, 445500, 744975, 2838000, 6385500, 129059469}},
    };
    for (const Case &c : cases) {
        const TGuaranteeOdds odds = Odds({MaskOf({1, 2, 3, 4, 5}, {1, 2})}, c.edition);
        const int categories = GameRules(c.edition).CategoryCount;
        ASSERT_EQ(static_cast<int>(c.counts.size()), categories + 1);
        int64_t prizes = 0;
        for (int categoria = 1; categoria <= categories + 1; ++categoria) {
            EXPECT_EQ(odds.Best.Count(categoria), c.counts[static_cast<size_t>(categoria - 1)]) << categoria;
            if (categoria <= categories) {
                EXPECT_EQ(odds.BetWins[static_cast<size_t>(categoria - 1)], odds.Best.Count(categoria));
                prizes += odds.Best.Count(categoria);
            }
        }
        const int64_t draws = c.edition == kClassic ? 76275360 : 139838160;
        EXPECT_EQ(odds.Best.Draws, draws);
        EXPECT_EQ(Sum(odds.Best), draws);
        EXPECT_DOUBLE_EQ(odds.OneIn(1), static_cast<double>(draws));
        EXPECT_DOUBLE_EQ(odds.AnyPrize(), static_cast<double>(prizes) / static_cast<double>(draws));
        EXPECT_DOUBLE_EQ(odds.ExpectedWinningBets(), odds.AnyPrize()) << "one bet: its own chance";
    }
}

TEST(GuaranteeOdds, TheUnreducedWholeGameWinsFivePlusTwoInEveryDraw)
{
    std::vector<BetMask> bets;
    const BetMask game = kNumberBits | kStarBits;
    const std::vector<BetMask> quintets = NumberQuintetMasks(game);
    bets.reserve(quintets.size() * 36);
    for (BetMask pair : StarPairMasks(game))
        for (BetMask quintet : quintets)
            bets.push_back(quintet | pair);
    TGuaranteeAnalyser analyser;
    analyser.SetWithOdds(true);
    const TGuaranteeReport report = analyser.Analyse(bets);
    EXPECT_EQ(report.All.Draws, 76275360);
    EXPECT_EQ(report.All.Count(1), 76275360);
    EXPECT_EQ(report.Odds.Best.Draws, 76275360);
    EXPECT_EQ(report.Odds.Best.Count(1), 76275360);
    EXPECT_EQ(report.Odds.AnyPrize(), 1.0);
    // Each draw: every bet that shares a category with it, the same count
    // whatever the draw.
    const TGuaranteeOdds single = Odds({MaskOf({1, 2, 3, 4, 5}, {1, 2})}, kClassic);
    int64_t winners = 0;
    for (int categoria = 1; categoria <= 12; ++categoria) {
        EXPECT_EQ(report.Odds.BetWins[static_cast<size_t>(categoria - 1)],
                  76275360 * single.Best.Count(categoria));
        winners += single.Best.Count(categoria);
    }
    EXPECT_DOUBLE_EQ(report.Odds.ExpectedWinningBets(), static_cast<double>(winners));
}

TEST(GuaranteeOdds, ComeWithTheReportOnlyWhenAskedAndDoNotChangeIt)
{
    const std::vector<BetMask> bets =
        GeneratedBets(MaskOf({1, 2, 3, 4, 5, 6, 7}, {1, 2, 3}), TEuroMillonGeneraComb::kReduccionGlobal, 6);
    TGuaranteeAnalyser analyser;
    TGuaranteeReport plain = analyser.Analyse(bets);
    EXPECT_EQ(plain.Odds, TGuaranteeOdds{});
    analyser.SetWithOdds(true);
    const TGuaranteeReport withOdds = analyser.Analyse(bets);
    EXPECT_EQ(withOdds.Odds, Odds(bets, kClassic));
    plain.Odds = withOdds.Odds;
    EXPECT_EQ(plain, withOdds);
}

TEST(GuaranteeOdds, NoCombinationChangesTheExpectedReturnOfABet)
{
    std::mt19937 random(7);
    const std::vector<BetMask> reduced = GeneratedBets(MaskOf({1, 2, 3, 4, 5, 6, 7, 8}, {1, 2, 3}),
                                                       TEuroMillonGeneraComb::kReduccionGlobal, 5);
    const std::vector<BetMask> scattered = RandomBets(random, reduced.size(), kNumberBits, kStarBits);
    std::vector<BetMask> simple;
    for (BetMask bet : scattered)
        simple.push_back(
            CountNumbers(bet) == 5 && CountStars(bet) == 2 ? bet : MaskOf({10, 20, 30, 40, 50}, {8, 9}));
    const TGuaranteeOdds a = Odds(reduced, kClassic);
    const TGuaranteeOdds b = Odds(simple, kClassic);
    EXPECT_NE(a.Best, b.Best) << "the best prizes differ";
    EXPECT_EQ(a.BetWins, b.BetWins) << "the wins of the bets do not";
    EXPECT_DOUBLE_EQ(a.ExpectedWinningBets(), b.ExpectedWinningBets());
}

TEST(GuaranteeOdds, MoneyAtTheArchivesAveragePrizes)
{
    TSorteosEuroMillon archive;
    TSorteoEuroMillonInfo draw;
    draw.FechaSorteo = 38065;
    draw.Acertantes[1] = 0; // carried over: says nothing of the jackpot
    draw.PremioCategoria[1] = CurrencyFromUnits(5);
    draw.Acertantes[12] = 1000;
    draw.PremioCategoria[12] = CurrencyFromUnits(8);
    archive.AddSorteo(draw);
    draw.FechaSorteo = 38072;
    draw.Acertantes[1] = 1;
    draw.PremioCategoria[1] = CurrencyFromUnits(15000000);
    draw.PremioCategoria[12] = CurrencyFromUnits(11);
    archive.AddSorteo(draw);
    const TAveragePrizes prizes = AveragePrizes(archive);
    EXPECT_EQ(prizes.Average[0], CurrencyFromUnits(15000000));
    EXPECT_EQ(prizes.Draws[0], 1);
    EXPECT_EQ(prizes.Average[11], 95000); // 9.50
    EXPECT_EQ(prizes.Draws[11], 2);
    EXPECT_EQ(prizes.Average[1], 0);

    const TGuaranteeOdds odds =
        Odds({MaskOf({1, 2, 3, 4, 5}, {1, 2}), MaskOf({6, 7, 8, 9, 10}, {1, 2})}, kClassic);
    // 2 bets x (15,000,000 + 1,986,600 x 9.50) / 76,275,360 = 0.8881...
    const __int128 exact =
        static_cast<__int128>(2) * (CurrencyFromUnits(15000000) + int64_t{1986600} * 95000);
    EXPECT_EQ(ExpectedPrizes(odds, prizes), static_cast<Currency>((exact + 76275360 / 2) / 76275360));
    EXPECT_EQ(PlainAmount(ExpectedPrizes(odds, prizes)), "0.89");
    EXPECT_EQ(ExpectedPrizes(TGuaranteeOdds{}, prizes), 0);
    EXPECT_EQ(CostOfOneDraw(2, kClassic), CurrencyFromUnits(4));
    EXPECT_EQ(PlainAmount(CostOfOneDraw(76275360, kClassic)), "152550720.00");
}

TEST(GuaranteeMarks, ByRankAndBySubsetsGiveTheSameWords)
{
    std::mt19937 random(30);
    auto uniform = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int round = 0; round < 8; ++round) {
        const bool current = round % 2 == 1;
        const BetMask stars = current ? kAnyStarBits : kStarBits;
        const BetMask numbers = PickFrom(random, kNumberBits, uniform(6, 50));
        const size_t count = round < 6 ? static_cast<size_t>(uniform(0, 3000)) : size_t{200000};
        const std::vector<BetMask> bets =
            RandomBets(random, count, numbers, PickFrom(random, stars, uniform(2, 12)));
        SCOPED_TRACE(testing::Message() << "round " << round << ", " << bets.size() << " bets");
        auto same = [&bets](auto layout) {
            using Layout = decltype(layout);
            const TGuaranteeMarks<Layout> byRank(bets, 2, {}, TMarking::ByRank);
            const TGuaranteeMarks<Layout> bySubsets(bets, 2, {}, TMarking::BySubsets);
            EXPECT_EQ(byRank.Marking(), TMarking::ByRank);
            EXPECT_TRUE(byRank.SameWords(bySubsets));
            EXPECT_EQ(byRank.Census().Values, bySubsets.Census().Values);
            EXPECT_EQ(byRank.Census().Sizes, bySubsets.Census().Sizes);
        };
        if (current)
            same(TCurrentMarkLayout{});
        else
            same(TClassicMarkLayout{});

        // And the reports over a selection, the odds included.
        const TGameEdition edition = current ? kCurrent : kClassic;
        TGuaranteeAnalyser analyser;
        analyser.SetEdition(edition);
        analyser.SetWithOdds(true);
        analyser.SetMarking(TMarking::ByRank);
        const BetMask selection = PickFrom(random, numbers, 9) | PickFrom(random, stars, 4);
        const TGuaranteeReport byRank = analyser.Analyse(bets, selection);
        analyser.SetMarking(TMarking::BySubsets);
        EXPECT_EQ(byRank, analyser.Analyse(bets, selection));
    }
}
