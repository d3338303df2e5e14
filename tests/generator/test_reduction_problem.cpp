#include "generator/reduction_problem.h"

#include "generator/genera_comb.h"
#include "model/euromillon_apuestas.h"

#include "generator/generator_test_support.h"
#include "generator/optimizer_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

TEST(ReductionProblem, CandidatesAreTheValidBetsInTheGenerationOrder)
{
    std::mt19937 random(7);
    for (int round = 0; round < 12; ++round) {
        TEuroMillonGeneraComb settings;
        RandomSettings(settings, random, true);
        const auto problem = TReductionProblem::Build(settings);
        ASSERT_TRUE(problem);
        TEuroMillonGeneraComb all;
        all.AssignSettings(settings);
        all.SetTipoReduccion(TEuroMillonGeneraComb::kSinReduccion);
        all.Generar();
        const std::vector<BetMask> &valid = all.Apuestas().Masks();
        ASSERT_EQ(problem->Count(), static_cast<int32_t>(valid.size()));
        for (int32_t c = 0; c < problem->Count(); ++c) {
            EXPECT_EQ(problem->Mask(c), valid[static_cast<size_t>(c)]);
            EXPECT_EQ(problem->IndexOf(valid[static_cast<size_t>(c)]), c);
        }
    }
}

TEST(ReductionProblem, CoverListsMatchAPairwiseComparison)
{
    std::mt19937 random(11);
    for (int round = 0; round < 16; ++round) {
        TEuroMillonGeneraComb settings;
        RandomSettings(settings, random, round % 2 == 0);
        const auto problem = TReductionProblem::Build(settings);
        ASSERT_TRUE(problem);
        const TCoverRule &rule = problem->Rule();
        for (int32_t a = 0; a < problem->Count(); ++a) {
            std::vector<int32_t> listed(problem->Covered(a).begin(), problem->Covered(a).end());
            std::sort(listed.begin(), listed.end());
            std::vector<int32_t> expected;
            for (int32_t b = 0; b < problem->Count(); ++b) {
                // The rule written out once more, per block.
                const int numbers = SharedNumbers(problem->Mask(a), problem->Mask(b));
                const int stars = SharedStars(problem->Mask(a), problem->Mask(b));
                const bool covers =
                    rule.global ? numbers + stars >= settings.ReduccionGlobal()
                                : numbers >= settings.ReduccionB1() && stars >= settings.ReduccionB2();
                EXPECT_EQ(covers, rule.Covers(problem->Mask(a), problem->Mask(b)));
                if (covers)
                    expected.push_back(b);
            }
            ASSERT_EQ(listed, expected) << "round " << round << " candidate " << a;
        }
    }
}

TEST(ReductionProblem, BetsThatAreNotValidCandidatesHaveNoNumber)
{
    TEuroMillonGeneraComb settings;
    SelectRange(settings, 8, 3);
    SetGlobal(settings, 6);
    TEuroMillonCondicionGrupo condition = CondicionGrupoDefecto;
    condition.Numeros = {8};
    condition.AciertosMax = 0;
    settings.Condiciones().Add(condition);
    const auto problem = TReductionProblem::Build(settings);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->Count(), 21 * 3);
    EXPECT_EQ(problem->IndexOf(MaskOf({1, 2, 3, 4, 5}, {1, 2})), 0);
    EXPECT_EQ(problem->IndexOf(MaskOf({1, 2, 3, 4, 8}, {1, 2})), -1); // rejected by the condition
    EXPECT_EQ(problem->IndexOf(MaskOf({1, 2, 3, 4, 9}, {1, 2})), -1); // outside the selection
    EXPECT_EQ(problem->IndexOf(MaskOf({1, 2, 3, 4, 5}, {1, 4})), -1);
    EXPECT_EQ(problem->IndexOf(MaskOf({1, 2, 3, 4}, {1, 2})), -1); // not a simple bet
    EXPECT_EQ(problem->IndexOf(MaskOf({1, 2, 3, 4, 5}, {1, 2, 3})), -1);
    EXPECT_EQ(settings.Condiciones().Cumplen(0), 0) << "the settings' counters stay";
}

TEST(ReductionProblem, NoProblemWithoutReductionOrBeyondTheLimits)
{
    TEuroMillonGeneraComb settings;
    SelectRange(settings, 10, 2);
    EXPECT_FALSE(TReductionProblem::Build(settings)) << "no reduction";
    SetGlobal(settings, 6);
    EXPECT_TRUE(TReductionProblem::Build(settings));
    TReductionProblem::Limits small;
    small.maxSelectionBets = 251;
    EXPECT_FALSE(TReductionProblem::Build(settings, small));
    small.maxSelectionBets = 252;
    small.maxCoverEntries = 252 * 26 - 1; // each bet covers itself and 25 others
    EXPECT_FALSE(TReductionProblem::Build(settings, small));
    small.maxCoverEntries = 252 * 26;
    EXPECT_TRUE(TReductionProblem::Build(settings, small));
    SelectRange(settings, 50, 9);
    EXPECT_FALSE(TReductionProblem::Build(settings)) << "the whole game";
}
