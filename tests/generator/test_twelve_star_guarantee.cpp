// The guarantee report and the optimized reduction with today's game:
// twelve stars (66 pairs) and the 13th category, 2+0.

#include "generator/genera_comb.h"
#include "generator/guarantee_analyser.h"
#include "generator/reduction_optimizer.h"
#include "generator/reduction_verifier.h"
#include "generator_test_support.h"
#include "optimizer_test_support.h"
#include "reference_guarantee.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

constexpr TGameEdition kCurrent = TGameEdition::Current;

TGuaranteeReport Analyse(const std::vector<BetMask> &bets, BetMask selection, TGameEdition edition,
                         unsigned threads = 1)
{
    TGuaranteeAnalyser analyser;
    analyser.SetEdition(edition);
    analyser.SetThreads(threads);
    return analyser.Analyse(bets, selection);
}

std::vector<BetMask> Generated(BetMask selection, int level)
{
    TEuroMillonGeneraComb settings(kCurrent);
    settings.Seleccion().FromMask(selection);
    settings.SetTipoReduccion(TEuroMillonGeneraComb::kReduccionGlobal);
    settings.SetReduccionGlobal(level);
    settings.Generar();
    return settings.Apuestas().Masks();
}

} // namespace

TEST(TwelveStarGuarantee, TwoNumbersAndNoStarIsTheThirteenthCategory)
{
    const std::vector<BetMask> bets = {MaskOf({1, 2, 20, 21, 22}, {1, 2})};
    const BetMask selection = MaskOf({1, 2, 3, 4, 5, 6}, {10, 11});
    const TGuaranteeReport today = Analyse(bets, selection, kCurrent);
    EXPECT_EQ(today.All.Categories, 13);
    EXPECT_EQ(today.All.Draws, 6);
    EXPECT_EQ(today.All.Count(13), 4); // the draws holding both 1 and 2
    EXPECT_EQ(today.All.Count(14), 2);
    EXPECT_EQ(today.All.Guaranteed(), 14);
    EXPECT_EQ(today.Holes.size(), 2u);
    EXPECT_EQ(GuaranteeCategoryText(13, 13), "2+0");
    EXPECT_EQ(GuaranteeCategoryText(14, 13), "none");

    // The classic game pays nothing for 2+0, and has no star 10 or 11.
    const TGuaranteeReport classic = Analyse(bets, MaskOf({1, 2, 3, 4, 5, 6}, {3, 4}), TGameEdition::Classic);
    EXPECT_EQ(classic.All.Count(kSinPremio), 6);
    EXPECT_EQ(Analyse(bets, selection, TGameEdition::Classic).All.Draws, 0);
}

TEST(TwelveStarGuarantee, AgreesWithThePlainReference)
{
    struct Case {
        BetMask selection;
        int level;
    };
    const Case cases[] = {
        {MaskOf({1, 2, 3, 4, 5, 6, 7}, {1, 2, 10, 11, 12}), 6},
        {MaskOf({3, 9, 17, 25, 33, 41, 49}, {5, 6, 7, 8, 9, 10, 11, 12}), 5},
        {MaskOf({1, 2, 3, 4, 5, 6, 7, 8}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}), 4},
    };
    for (const Case &c : cases) {
        const std::vector<BetMask> bets = Generated(c.selection, c.level);
        const TGuaranteeReport expected = ReferenceGuarantee(bets, c.selection, kCurrent);
        for (unsigned threads : {1u, 2u}) {
            SCOPED_TRACE(testing::Message() << "level " << c.level << ", threads " << threads);
            const TGuaranteeReport report = Analyse(bets, c.selection, kCurrent, threads);
            EXPECT_EQ(report.All, expected.All);
            EXPECT_EQ(report.Holes, expected.Holes);
            EXPECT_EQ(report.ByHits, expected.ByHits);
        }
    }
}

TEST(TwelveStarGuarantee, SelectionOfTheBetsKeepsTheirHighStars)
{
    const std::vector<BetMask> bets = {MaskOf({1, 2, 3, 4, 5}, {11, 12}), MaskOf({1, 2, 3, 4, 6}, {10, 12})};
    const TGuaranteeReport report = Analyse(bets, 0, kCurrent);
    EXPECT_EQ(report.Selection, MaskOf({1, 2, 3, 4, 5, 6}, {10, 11, 12}));
    EXPECT_EQ(report.All.Draws, 18);
    EXPECT_EQ(report.All, ReferenceGuarantee(bets, 0, kCurrent).All);
}

TEST(TwelveStarGuarantee, OptimizedReductionKeepsItsGuarantee)
{
    std::mt19937 random(2016);
    for (int round = 0; round < 8; ++round) {
        TEuroMillonGeneraComb settings(kCurrent);
        const int numbers = 6 + static_cast<int>(random() % 4);
        while (settings.Seleccion().Block(1).Count() < numbers)
            settings.Seleccion().Block(1).Add(1 + static_cast<int>(random() % 50));
        settings.Seleccion().Block(2).Add(12);
        while (settings.Seleccion().Block(2).Count() < 4)
            settings.Seleccion().Block(2).Add(1 + static_cast<int>(random() % 12));
        SetGlobal(settings, 5 + round % 2);
        settings.Generar();
        const std::vector<BetMask> greedy = settings.Apuestas().Masks();
        TOptimizeOptions options;
        options.seconds = 1000;
        options.maxSteps = 4000;
        options.seed = static_cast<uint64_t>(round);
        const TOptimizeResult result = OptimizeReduction(settings, greedy, options);
        SCOPED_TRACE(testing::Message() << "round " << round);
        EXPECT_EQ(result.status, TOptimizeStatus::kOptimized);
        EXPECT_TRUE(result.verified);
        EXPECT_TRUE(VerifyReduction(settings, result.bets).Completa());
        EXPECT_LE(result.bets.size(), greedy.size());
        // Without the bets holding star 12 the pairs with it are not covered.
        std::vector<BetMask> withoutTwelve;
        for (BetMask bet : result.bets)
            if (!(bet & StarBit(12)))
                withoutTwelve.push_back(bet);
        EXPECT_FALSE(VerifyReduction(settings, withoutTwelve).Completa());
    }
}
