#include "generator/reduction_verifier.h"

#include "generator/genera_comb.h"
#include "generator/reduction_optimizer.h"
#include "model/euromillon_apuestas.h"

#include "generator/generator_test_support.h"
#include "generator/optimizer_test_support.h"

#include <gtest/gtest.h>

namespace {

std::vector<BetMask> Without(std::vector<BetMask> bets, size_t index)
{
    bets.erase(bets.begin() + static_cast<std::ptrdiff_t>(index));
    return bets;
}

} // namespace

TEST(ReductionVerifier, AcceptsTheGreedyBets)
{
    TEuroMillonGeneraComb settings;
    SelectRange(settings, 6, 3);
    SetGlobal(settings, 6);
    settings.Generar();
    const TReductionVerdict verdict = VerifyReduction(settings, settings.Apuestas().Masks());
    EXPECT_TRUE(verdict.Completa());
    EXPECT_EQ(verdict.validas, 18);
    EXPECT_EQ(verdict.descubiertas, 0);
}

TEST(ReductionVerifier, RejectsTheGreedyBetsWithOneNeededBetRemoved)
{
    TEuroMillonGeneraComb settings;
    SelectRange(settings, 7, 2);
    SetGlobal(settings, 6);
    settings.Generar();
    const std::vector<BetMask> kept = settings.Apuestas().Masks();
    ASSERT_EQ(kept.size(), 3u);
    for (size_t i = 0; i < kept.size(); ++i) {
        const TReductionVerdict verdict = VerifyReduction(settings, Without(kept, i));
        EXPECT_FALSE(verdict.Completa()) << i;
        EXPECT_GT(verdict.descubiertas, 0);
        EXPECT_EQ(verdict.apuestasAjenas, 0);
    }
    // 1 2 3 4 5 + 1 2 alone covers itself and nothing else shares six values
    // with it among 1 2 3 6 7 and 1 4 5 6 7.
    EXPECT_EQ(VerifyReduction(settings, Without(kept, 0)).primeraDescubierta,
              MaskOf({1, 2, 3, 4, 5}, {1, 2}));
}

TEST(ReductionVerifier, RejectsAnOptimizedSetWithAnyOneBetRemoved)
{
    TEuroMillonGeneraComb settings;
    SelectRange(settings, 10, 2);
    SetGlobal(settings, 6);
    settings.Generar();
    TOptimizeOptions options;
    options.seconds = 1000;
    options.maxSteps = 100000;
    const TOptimizeResult result = OptimizeReduction(settings, settings.Apuestas().Masks(), options);
    ASSERT_TRUE(result.verified);
    ASSERT_LT(result.bets.size(), 22u);
    for (size_t i = 0; i < result.bets.size(); ++i) {
        const TReductionVerdict verdict = VerifyReduction(settings, Without(result.bets, i));
        EXPECT_FALSE(verdict.Completa()) << "bet " << i << " is needed";
        // The first uncovered candidate shares six values with the removed bet.
        EXPECT_GE(std::popcount(verdict.primeraDescubierta & result.bets[i]), 6);
    }
}

TEST(ReductionVerifier, BlockReductionNeedsBothBlocks)
{
    TEuroMillonGeneraComb settings;
    SelectRange(settings, 6, 3);
    SetBlocks(settings, 4, 2);
    settings.Generar();
    ASSERT_EQ(settings.Apuestas().Count(), 3);
    EXPECT_TRUE(VerifyReduction(settings, settings.Apuestas().Masks()).Completa());
    // Five shared numbers but another pair of stars does not cover.
    const TReductionVerdict verdict =
        VerifyReduction(settings, {MaskOf({1, 2, 3, 4, 5}, {1, 2}), MaskOf({1, 2, 3, 4, 5}, {1, 3})});
    EXPECT_EQ(verdict.descubiertas, 6);
    EXPECT_EQ(verdict.primeraDescubierta, MaskOf({1, 2, 3, 4, 5}, {2, 3}));
}

TEST(ReductionVerifier, CountsForeignAndRepeatedBets)
{
    TEuroMillonGeneraComb settings;
    SelectRange(settings, 7, 2);
    SetGlobal(settings, 5);
    settings.Generar();
    std::vector<BetMask> bets = settings.Apuestas().Masks();
    ASSERT_EQ(bets.size(), 1u);
    bets.push_back(bets.front());                     // repeated
    bets.push_back(MaskOf({1, 2, 3, 4, 40}, {1, 2})); // outside the selection
    bets.push_back(MaskOf({1, 2, 3, 4}, {1, 2}));     // not a simple bet
    const TReductionVerdict verdict = VerifyReduction(settings, bets);
    EXPECT_EQ(verdict.descubiertas, 0);
    EXPECT_EQ(verdict.apuestasAjenas, 3);
    EXPECT_FALSE(verdict.Completa());
}

TEST(ReductionVerifier, BetsTheConditionsRejectAreForeign)
{
    TEuroMillonGeneraComb settings;
    SelectRange(settings, 7, 2);
    SetGlobal(settings, 5);
    TEuroMillonCondicionGrupo condition = CondicionGrupoDefecto;
    condition.Numeros = {1};
    condition.AciertosMax = 0; // no bet with the number 1
    settings.Condiciones().Add(condition);
    const TReductionVerdict verdict =
        VerifyReduction(settings, {MaskOf({1, 2, 3, 4, 5}, {1, 2}), MaskOf({2, 3, 4, 5, 6}, {1, 2})});
    EXPECT_EQ(verdict.validas, 6);
    EXPECT_EQ(verdict.apuestasAjenas, 1);
    EXPECT_EQ(verdict.descubiertas, 0);
    EXPECT_EQ(settings.Condiciones().Cumplen(0), 0) << "the settings' counters stay";
}

TEST(ReductionVerifier, WithoutReductionEveryValidCandidateIsNeeded)
{
    TEuroMillonGeneraComb settings;
    SelectRange(settings, 6, 2);
    settings.Generar();
    const std::vector<BetMask> all = settings.Apuestas().Masks();
    ASSERT_EQ(all.size(), 6u);
    EXPECT_TRUE(VerifyReduction(settings, all).Completa());
    const TReductionVerdict verdict = VerifyReduction(settings, Without(all, 5));
    EXPECT_EQ(verdict.descubiertas, 1);
    EXPECT_EQ(verdict.primeraDescubierta, all[5]);
}
