#include "generator/reduction_optimizer.h"

#include "generator/genera_comb.h"
#include "generator/reduction_verifier.h"
#include "model/euromillon_apuestas.h"

#include "generator/generator_test_support.h"
#include "generator/optimizer_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <random>

namespace {

// A search bounded by moves, so that it ends the same way on any machine.
TOptimizeOptions Moves(uint64_t moves, uint64_t seed = 1)
{
    TOptimizeOptions options;
    options.seconds = 1000;
    options.maxSteps = moves;
    options.seed = seed;
    return options;
}

std::vector<BetMask> Greedy(TEuroMillonGeneraComb &settings)
{
    settings.Generar();
    return settings.Apuestas().Masks();
}

} // namespace

TEST(ReductionOptimizer, RandomSettingsGiveVerifiedCoversNeverLargerThanTheGreedy)
{
    std::mt19937 random(20261209);
    int improved = 0;
    int tried = 0;
    for (int round = 0; round < 48; ++round) {
        TEuroMillonGeneraComb settings;
        RandomSettings(settings, random, round % 2 == 1);
        const std::vector<BetMask> greedy = Greedy(settings);
        if (greedy.empty())
            continue; // the conditions left nothing
        ++tried;
        const TOptimizeResult result =
            OptimizeReduction(settings, greedy, Moves(8000, static_cast<uint64_t>(round)));
        SCOPED_TRACE("round " + std::to_string(round));
        EXPECT_EQ(result.status, TOptimizeStatus::kOptimized);
        EXPECT_TRUE(result.verified);
        EXPECT_TRUE(VerifyReduction(settings, result.bets).Completa());
        EXPECT_LE(result.bets.size(), greedy.size());
        EXPECT_EQ(result.greedy, static_cast<int32_t>(greedy.size()));
        improved += result.bets.size() < greedy.size();
    }
    EXPECT_GT(tried, 30);
    EXPECT_GT(improved, tried / 4) << "the search finds smaller sets on a good share of the settings";
}

TEST(ReductionOptimizer, TheSameSeedAndMoveLimitGiveTheSameBets)
{
    TEuroMillonGeneraComb settings;
    SelectRange(settings, 11, 3);
    SetGlobal(settings, 6);
    const std::vector<BetMask> greedy = Greedy(settings);
    const TOptimizeResult first = OptimizeReduction(settings, greedy, Moves(30000, 42));
    const TOptimizeResult second = OptimizeReduction(settings, greedy, Moves(30000, 42));
    EXPECT_EQ(first.bets, second.bets);
    EXPECT_EQ(first.steps, 30000u);
}

TEST(ReductionOptimizer, FindsTheBestKnownCoverOfFiveOfTen)
{
    TEuroMillonGeneraComb settings;
    SelectRange(settings, 10, 2);
    SetGlobal(settings, 6);
    const std::vector<BetMask> greedy = Greedy(settings);
    ASSERT_EQ(greedy.size(), 22u);
    const TOptimizeResult result = OptimizeReduction(settings, greedy, Moves(100000, 1));
    EXPECT_TRUE(result.verified);
    EXPECT_LE(result.bets.size(), 15u);
}

TEST(ReductionOptimizer, BetsComeInTheGenerationOrder)
{
    TEuroMillonGeneraComb settings;
    SelectRange(settings, 9, 3);
    SetBlocks(settings, 3, 2);
    const std::vector<BetMask> greedy = Greedy(settings);
    const TOptimizeResult result = OptimizeReduction(settings, greedy, Moves(20000));
    TEuroMillonGeneraComb all;
    all.AssignSettings(settings);
    all.SetTipoReduccion(TEuroMillonGeneraComb::kSinReduccion);
    all.Generar();
    const std::vector<BetMask> &walk = all.Apuestas().Masks();
    std::vector<size_t> places;
    for (BetMask bet : result.bets)
        places.push_back(static_cast<size_t>(std::find(walk.begin(), walk.end(), bet) - walk.begin()));
    EXPECT_TRUE(std::is_sorted(places.begin(), places.end()));
    EXPECT_LT(places.back(), walk.size());
}

TEST(ReductionOptimizer, StoppingAtTheFirstReportKeepsTheGreedyBets)
{
    TEuroMillonGeneraComb settings;
    SelectRange(settings, 10, 2);
    SetGlobal(settings, 6);
    const std::vector<BetMask> greedy = Greedy(settings);
    TOptimizeOptions options = Moves(100000);
    int reports = 0;
    options.onProgress = [&](const TOptimizeProgress &progress) {
        EXPECT_EQ(progress.greedy, 22);
        ++reports;
        return true;
    };
    const TOptimizeResult result = OptimizeReduction(settings, greedy, options);
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(result.steps, 0u);
    EXPECT_EQ(result.bets, greedy);
    EXPECT_TRUE(result.verified);
    EXPECT_EQ(reports, 2) << "the start, then the final report";
}

TEST(ReductionOptimizer, CancellingKeepsTheBestCompleteCoverFound)
{
    TEuroMillonGeneraComb settings;
    SelectRange(settings, 12, 2);
    SetGlobal(settings, 6);
    const std::vector<BetMask> greedy = Greedy(settings);
    std::atomic<bool> cancel{false};
    TOptimizeOptions options = Moves(5'000'000);
    options.cancel = &cancel;
    int32_t lastBest = 0;
    options.onProgress = [&](const TOptimizeProgress &progress) {
        EXPECT_LE(progress.best, progress.greedy);
        lastBest = progress.best;
        if (progress.best <= 45)
            cancel = true;
        return false;
    };
    const TOptimizeResult result = OptimizeReduction(settings, greedy, options);
    EXPECT_TRUE(result.cancelled);
    EXPECT_LT(result.steps, 5'000'000u);
    EXPECT_LE(result.bets.size(), 45u);
    EXPECT_TRUE(result.verified);
    EXPECT_TRUE(VerifyReduction(settings, result.bets).Completa());
    EXPECT_EQ(lastBest, static_cast<int32_t>(result.bets.size()))
        << "the final report gives the size returned";
}

TEST(ReductionOptimizer, WithoutReductionEveryValidCandidateStays)
{
    TEuroMillonGeneraComb settings;
    SelectRange(settings, 7, 3);
    SetGlobal(settings, 7);
    const std::vector<BetMask> greedy = Greedy(settings);
    const TOptimizeResult result = OptimizeReduction(settings, greedy, Moves(1000));
    EXPECT_EQ(result.status, TOptimizeStatus::kNoReduction);
    EXPECT_EQ(result.bets, greedy);
    EXPECT_FALSE(result.verified) << "nothing searched, nothing checked";
}

TEST(ReductionOptimizer, TooLargeASelectionKeepsTheGreedyBets)
{
    TEuroMillonGeneraComb settings;
    SelectRange(settings, 50, 9);
    SetGlobal(settings, 6);
    const std::vector<BetMask> stand = {MaskOf({1, 2, 3, 4, 5}, {1, 2})};
    const TOptimizeResult result = OptimizeReduction(settings, stand, Moves(1000));
    EXPECT_EQ(result.status, TOptimizeStatus::kTooLarge);
    EXPECT_EQ(result.bets, stand);
    EXPECT_FALSE(result.verified) << "nothing was checked";
}

TEST(ReductionOptimizer, AGreedyBetOutsideTheCandidatesIsRefused)
{
    TEuroMillonGeneraComb settings;
    SelectRange(settings, 8, 2);
    SetGlobal(settings, 6);
    const std::vector<BetMask> wrong = {MaskOf({1, 2, 3, 4, 40}, {1, 2})};
    EXPECT_THROW(OptimizeReduction(settings, wrong, Moves(10)), std::invalid_argument);
}

TEST(ReductionOptimizer, ConditionCountersAreNotTouched)
{
    TEuroMillonGeneraComb settings;
    SelectRange(settings, 9, 3);
    SetGlobal(settings, 5);
    TEuroMillonCondicionGrupo condition = CondicionGrupoDefecto;
    condition.Numeros = {1, 2, 3, 4};
    condition.AciertosMax = 2;
    settings.Condiciones().Add(condition);
    const std::vector<BetMask> greedy = Greedy(settings);
    const int32_t passed = settings.Condiciones().Cumplen(0);
    const TOptimizeResult result = OptimizeReduction(settings, greedy, Moves(5000));
    EXPECT_TRUE(result.verified);
    EXPECT_EQ(settings.Condiciones().Cumplen(0), passed);
}

TEST(ReductionOptimizer, GenerarOptimizadoReplacesTheKeptBets)
{
    TEuroMillonGeneraComb settings;
    SelectRange(settings, 10, 2);
    SetGlobal(settings, 6);
    TOptimizeResult result;
    int changes = 0;
    settings.Apuestas().OnChange = [&](void *) { ++changes; };
    const int32_t kept = GenerarOptimizado(settings, Moves(50000), &result);
    EXPECT_EQ(kept, settings.Apuestas().Count());
    EXPECT_EQ(settings.Apuestas().Current(), kept - 1);
    EXPECT_EQ(changes, 2) << "the greedy run's bets, then the optimized bets at once";
    EXPECT_EQ(settings.Apuestas().Masks(), result.bets);
    EXPECT_LT(kept, 22);
    EXPECT_EQ(settings.Generadas(), 252);
    EXPECT_EQ(settings.Validas(), 252);
    EXPECT_FALSE(settings.Procesando());
}

TEST(ReductionOptimizer, GenerarOptimizadoReturnsZeroWhenNothingIsValid)
{
    TEuroMillonGeneraComb settings;
    SelectRange(settings, 8, 2);
    SetGlobal(settings, 6);
    TEuroMillonCondicionGrupo none = CondicionGrupoDefecto;
    none.Numeros = {1, 2, 3, 4, 5, 6, 7, 8};
    none.AciertosMin = 6;
    settings.Condiciones().Add(none);
    EXPECT_EQ(GenerarOptimizado(settings, Moves(100)), 0);
    EXPECT_EQ(settings.Apuestas().Count(), 0);
}
