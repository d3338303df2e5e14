#include "generator_test_support.h"
#include "reference_guarantee.h"

#include "generator/guarantee_analyser.h"

#include <gtest/gtest.h>

#include <random>

namespace {

BetMask Range(int firstNumber, int lastNumber, int firstStar, int lastStar)
{
    BetMask mask = 0;
    for (int n = firstNumber; n <= lastNumber; ++n)
        mask |= NumberBit(n);
    for (int s = firstStar; s <= lastStar; ++s)
        mask |= StarBit(s);
    return mask;
}

TGuaranteeReport Analyse(const std::vector<BetMask> &bets, BetMask selection = 0, unsigned threads = 1)
{
    TGuaranteeAnalyser analyser;
    analyser.SetThreads(threads);
    return analyser.Analyse(bets, selection);
}

} // namespace

TEST(GuaranteeAnalyser, SingleBetOverItsOwnValuesIsOneDrawOfFivePlusTwo)
{
    const BetMask bet = MaskOf({3, 14, 22, 35, 48}, {2, 9});
    const TGuaranteeReport report = Analyse({bet});
    EXPECT_EQ(report.Selection, bet);
    EXPECT_EQ(report.All.Draws, 1);
    EXPECT_EQ(report.All.Count(1), 1);
    EXPECT_EQ(report.All.Guaranteed(), 1);
    EXPECT_EQ(report.Holes, std::vector<BetMask>{bet});
    EXPECT_TRUE(report.ByHits.empty()) << "five numbers: no table by hits";
    EXPECT_EQ(report, ReferenceGuarantee({bet}));
}

TEST(GuaranteeAnalyser, EveryBetOfTheSelectionGuaranteesFivePlusTwo)
{
    const BetMask selection = Range(1, 7, 1, 3);
    const std::vector<BetMask> bets = GeneratedBets(selection, TEuroMillonGeneraComb::kSinReduccion, 0);
    ASSERT_EQ(bets.size(), 21u * 3u);
    const TGuaranteeReport report = Analyse(bets);
    EXPECT_EQ(report.All.Guaranteed(), 1);
    EXPECT_EQ(report.All.Draws, 63);
    EXPECT_EQ(report.All.Count(1), 63);
    EXPECT_DOUBLE_EQ(report.All.Percent(1), 100.0);
    ASSERT_EQ(report.ByHits.size(), 3u);
    EXPECT_EQ(report.ByHits[0].Hits, 5);
    EXPECT_EQ(report.ByHits[1].Hits, 4);
    EXPECT_EQ(report.ByHits[1].Table.Guaranteed(), 4) << "four numbers and both stars";
    EXPECT_EQ(report.ByHits[1].Table.Draws, 35 * 43 * 3);
    EXPECT_EQ(report.ByHits[2].Table.Guaranteed(), 7);
    EXPECT_EQ(report.ByHits[2].Table.Draws, 35 * 903 * 3);
    EXPECT_EQ(report, ReferenceGuarantee(bets));
}

TEST(GuaranteeAnalyser, EmptyCombinationWinsNothingAndHolesFollowTheWalk)
{
    const TGuaranteeReport report = Analyse({}, Range(1, 6, 1, 3));
    EXPECT_EQ(report.All.Draws, 18);
    EXPECT_EQ(report.All.Count(kSinPremio), 18);
    EXPECT_EQ(report.All.Guaranteed(), kSinPremio);
    const std::vector<BetMask> holes = {
        MaskOf({1, 2, 3, 4, 5}, {1, 2}), MaskOf({1, 2, 3, 4, 6}, {1, 2}), MaskOf({1, 2, 3, 5, 6}, {1, 2}),
        MaskOf({1, 2, 4, 5, 6}, {1, 2}), MaskOf({1, 3, 4, 5, 6}, {1, 2}), MaskOf({2, 3, 4, 5, 6}, {1, 2}),
        MaskOf({1, 2, 3, 4, 5}, {1, 3}), MaskOf({1, 2, 3, 4, 6}, {1, 3}), MaskOf({1, 2, 3, 5, 6}, {1, 3}),
        MaskOf({1, 2, 4, 5, 6}, {1, 3}),
    };
    EXPECT_EQ(report.Holes, holes);
    ASSERT_EQ(report.ByHits.size(), 3u);
    for (const TGuaranteeByHits &byHits : report.ByHits)
        EXPECT_EQ(byHits.Table.Guaranteed(), kSinPremio);
    EXPECT_EQ(report, ReferenceGuarantee({}, Range(1, 6, 1, 3)));
}

TEST(GuaranteeAnalyser, EmptyCombinationAndNoSelectionHaveNoDraw)
{
    const TGuaranteeReport report = Analyse({});
    EXPECT_EQ(report.All.Draws, 0);
    EXPECT_EQ(report.All.Guaranteed(), 0);
    EXPECT_TRUE(report.Holes.empty());
    EXPECT_FALSE(report.Cancelled);
}

TEST(GuaranteeAnalyser, TooFewNumbersOrStarsGiveNoDraw)
{
    EXPECT_EQ(Analyse({MaskOf({1, 2, 3, 4, 5}, {1, 2})}, Range(1, 4, 1, 3)).All.Draws, 0);
    const TGuaranteeReport oneStar = Analyse({MaskOf({1, 2, 3, 4, 5}, {1, 2})}, Range(1, 9, 1, 1));
    EXPECT_EQ(oneStar.All.Draws, 0);
    ASSERT_EQ(oneStar.ByHits.size(), 3u);
    EXPECT_EQ(oneStar.ByHits[2].Table.Draws, 0);
}

// Greedy results of numbers 1 to 6 and stars 1 to 3. Any bet of the selection
// shares at least 4 numbers and 1 star with any draw of it, so even the one
// bet of the lowest levels guarantees 4+1; level 6 keeps a bet sharing 6
// values with every draw (4+2 at worst) and level 7 keeps every draw.
TEST(GuaranteeAnalyser, GreedyResultsOfSixNumbersAndThreeStars)
{
    const BetMask selection = Range(1, 6, 1, 3);
    const int expected[8] = {0, 5, 5, 5, 5, 5, 4, 1};
    for (int level = 1; level <= 7; ++level) {
        const std::vector<BetMask> bets =
            GeneratedBets(selection, TEuroMillonGeneraComb::kReduccionGlobal, level);
        const TGuaranteeReport report = Analyse(bets, selection);
        EXPECT_EQ(report, ReferenceGuarantee(bets, selection)) << "global " << level;
        EXPECT_EQ(report.All.Guaranteed(), expected[level])
            << "global " << level << ", " << bets.size() << " bets";
        EXPECT_EQ(report.All.Draws, 18);
    }
    const std::vector<BetMask> blocks42 =
        GeneratedBets(selection, TEuroMillonGeneraComb::kReduccionBloques, 4, 2);
    EXPECT_EQ(Analyse(blocks42, selection).All.Guaranteed(), 4);
    EXPECT_EQ(Analyse(blocks42, selection), ReferenceGuarantee(blocks42, selection));
}

TEST(GuaranteeAnalyser, GlobalSixOfSixNumbersMatchesItsThreeBets)
{
    const std::vector<BetMask> bets =
        GeneratedBets(Range(1, 6, 1, 3), TEuroMillonGeneraComb::kReduccionGlobal, 6);
    ASSERT_EQ(bets.size(), 3u);
    const TGuaranteeReport report = Analyse(bets);
    EXPECT_EQ(report.All.Count(1), 3);
    EXPECT_EQ(report.All.Count(1) + report.All.Count(2) + report.All.Count(4), 18);
    EXPECT_EQ(report.Holes.size(), static_cast<size_t>(report.All.Count(4)));
}

TEST(GuaranteeAnalyser, EqualsTheReferenceOnRandomCombinationsAndSelections)
{
    std::mt19937 random(20260209);
    auto uniform = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int round = 0; round < 70; ++round) {
        // Mostly small selections, which the plain walk settles quickly.
        const bool wide = round % 10 == 9;
        const BetMask numbers = PickFrom(random, kNumberBits, wide ? uniform(7, 8) : uniform(5, 7));
        const BetMask stars = PickFrom(random, kStarBits, wide ? 4 : uniform(2, 3));
        const int kind = round % 4; // 0 default selection, 1 bets inside, 2 bets wider, 3 empty
        std::vector<BetMask> bets;
        const int count = kind == 3 ? 0 : uniform(1, 14);
        for (int i = 0; i < count; ++i) {
            const BetMask numberPool = kind == 2 && uniform(0, 1) ? kNumberBits : numbers;
            const BetMask starPool = kind == 2 && uniform(0, 1) ? kStarBits : stars;
            // Now and then an incomplete bet.
            const int numberCount = uniform(0, 9) == 0 ? uniform(0, 4) : 5;
            const int starCount = uniform(0, 9) == 0 ? uniform(0, 1) : 2;
            bets.push_back(PickFrom(random, numberPool, numberCount) | PickFrom(random, starPool, starCount));
        }
        const BetMask selection = kind == 0 ? 0 : numbers | stars;
        const TGuaranteeReport expected = ReferenceGuarantee(bets, selection);
        ASSERT_EQ(Analyse(bets, selection, 1 + round % 3), expected) << "round " << round;
    }
}

TEST(GuaranteeAnalyser, ResultDoesNotDependOnTheThreads)
{
    const BetMask selection = Range(1, 12, 1, 5);
    const std::vector<BetMask> bets = GeneratedBets(selection, TEuroMillonGeneraComb::kReduccionGlobal, 5);
    const TGuaranteeReport one = Analyse(bets, 0, 1);
    EXPECT_EQ(one.All.Draws, 792 * 10);
    EXPECT_FALSE(one.Holes.empty());
    for (unsigned threads : {2u, 3u, 8u})
        EXPECT_EQ(Analyse(bets, 0, threads), one) << threads << " threads";
    EXPECT_EQ(Analyse(bets, Range(1, 14, 1, 6), 1), Analyse(bets, Range(1, 14, 1, 6), 4));
}

TEST(GuaranteeAnalyser, ProgressIsThrottledMonotonousAndEndsAtTheTotal)
{
    const BetMask selection = Range(1, 20, 1, 4);
    uint64_t now = 0;
    std::vector<std::pair<int64_t, int64_t>> reports;
    TGuaranteeAnalyser analyser;
    analyser.SetThreads(1);
    analyser.SetTickSource([&now] { return now += 100; });
    analyser.OnProgress = [&reports](int64_t done, int64_t total) { reports.emplace_back(done, total); };
    const TGuaranteeReport report = analyser.Analyse({MaskOf({1, 2, 3, 4, 5}, {1, 2})}, selection);
    const int64_t total =
        GuaranteeDrawCount(selection) + GuaranteeDrawCount(selection, 4) + GuaranteeDrawCount(selection, 3);
    ASSERT_GE(reports.size(), 3u);
    EXPECT_EQ(reports.front(), std::make_pair(int64_t{0}, total));
    EXPECT_EQ(reports.back(), std::make_pair(total, total));
    for (size_t i = 1; i < reports.size(); ++i)
        EXPECT_LE(reports[i - 1].first, reports[i].first);
    // A report only when the clock moved more than 250 ms: every third block.
    // The bet holds no number outside the selection, so the draws with
    // numbers outside it are settled once per set of numbers inside.
    const size_t blocks = (15504 + 1023) / 1024 + (4845 + 1023) / 1024 + (1140 + 1023) / 1024;
    EXPECT_LE(reports.size(), blocks / 2 + 2);
    EXPECT_FALSE(report.Cancelled);
    EXPECT_EQ(report.All.Draws, 15504 * 6);
}

TEST(GuaranteeAnalyser, CancelStopsBetweenBlocks)
{
    const BetMask selection = Range(1, 30, 1, 9);
    TGuaranteeAnalyser analyser;
    uint64_t now = 0;
    int asked = 0;
    analyser.SetThreads(2);
    analyser.SetTickSource([&now] { return now += 1000; });
    analyser.ShouldCancel = [&asked] { return ++asked == 2; };
    const TGuaranteeReport report = analyser.Analyse({MaskOf({1, 2, 3, 4, 5}, {1, 2})}, selection);
    EXPECT_TRUE(report.Cancelled);
    EXPECT_EQ(asked, 2);
    EXPECT_LT(report.All.Draws, GuaranteeDrawCount(selection));
    EXPECT_TRUE(report.Holes.empty());
}

TEST(GuaranteeReport, CategoryTextsAndDrawCounts)
{
    EXPECT_EQ(GuaranteeCategoryText(1), "5+2");
    EXPECT_EQ(GuaranteeCategoryText(9), "2+2");
    EXPECT_EQ(GuaranteeCategoryText(12), "2+1");
    EXPECT_EQ(GuaranteeCategoryText(kSinPremio), "none");
    EXPECT_EQ(GuaranteeCategoryText(0), "");
    EXPECT_EQ(GuaranteeDrawCount(Range(1, 50, 1, 9)), 76275360);
    EXPECT_EQ(GuaranteeDrawCount(Range(1, 30, 1, 9)), 142506 * 36);
    EXPECT_EQ(GuaranteeDrawCount(Range(1, 30, 1, 9), 4), 27405 * 20 * 36);
    EXPECT_EQ(GuaranteeDrawCount(Range(1, 50, 1, 9), 4), 0);
    EXPECT_EQ(SelectionOfBets({MaskOf({1, 2}, {3}), MaskOf({2, 50}, {9})}), MaskOf({1, 2, 50}, {3, 9}));
    TGuaranteeTable table;
    EXPECT_EQ(table.Guaranteed(), 0);
    EXPECT_EQ(table.Percent(1), 0.0);
    table.Draws = 4;
    table.PerCategory[0] = 1;
    table.PerCategory[4] = 3;
    EXPECT_EQ(table.Guaranteed(), 5);
    EXPECT_DOUBLE_EQ(table.Percent(5), 75.0);
    EXPECT_EQ(table.Count(14), 0);
}
