// Generation with today's game: stars 1 to 12 in the walk, the reductions,
// the conditions and the coverage index.

#include "generator/coverage_index.h"
#include "generator/genera_comb.h"
#include "generator/generador.h"
#include "generator/mask_enumeration.h"
#include "generator/selection_text.h"
#include "generator_test_support.h"
#include "reference_generation.h"

#include "model/apuesta_multiple.h"
#include "model/euromillon_apuestas.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr TGameEdition kCurrent = TGameEdition::Current;

void Select(TEuroMillonGeneraComb &settings, std::initializer_list<int> numbers,
            std::initializer_list<int> stars)
{
    settings.Seleccion().FromMask(MaskOf(numbers, stars));
}

std::vector<std::string> KeptTexts(const TEuroMillonGeneraComb &settings)
{
    std::vector<std::string> texts;
    for (BetMask mask : settings.Apuestas().Masks())
        texts.push_back(MaskToText(mask));
    return texts;
}

// Every valid candidate shares at least `total` values with some kept bet.
bool EveryCandidateCovered(BetMask selection, const std::vector<BetMask> &kept, int total)
{
    for (BetMask pair : StarPairMasks(selection))
        for (BetMask quintet : NumberQuintetMasks(selection)) {
            bool covered = false;
            for (BetMask bet : kept)
                covered = covered || std::popcount(bet & (quintet | pair)) >= total;
            if (!covered)
                return false;
        }
    return true;
}

} // namespace

TEST(TwelveStars, AllTwelveStarsMakeSixtySixPairsInOrder)
{
    const std::vector<BetMask> pairs = StarPairMasks(kAnyStarBits);
    ASSERT_EQ(pairs.size(), 66u);
    EXPECT_EQ(pairs.front(), StarBit(1) | StarBit(2));
    EXPECT_EQ(pairs[10], StarBit(1) | StarBit(12));
    EXPECT_EQ(pairs[11], StarBit(2) | StarBit(3));
    EXPECT_EQ(pairs.back(), StarBit(11) | StarBit(12));
    EXPECT_EQ(StarPairMasks(kStarBits).size(), 36u);
    EXPECT_EQ(MaskStars(StarBit(10) | StarBit(12)), (std::vector<int>{10, 12}));
}

TEST(TwelveStars, SettingsFollowTheirEdition)
{
    TEuroMillonGeneraComb classic;
    EXPECT_EQ(classic.Edition(), TGameEdition::Classic);
    classic.Seleccion().Block(2).Add(12);
    EXPECT_EQ(classic.Seleccion().Block(2).Count(), 0);

    TEuroMillonGeneraComb current(kCurrent);
    EXPECT_EQ(current.Apuestas().Edition(), kCurrent);
    Select(current, {1, 2, 3, 4, 5}, {1, 11, 12});
    EXPECT_EQ(current.ApuestasPosibles(), 3);

    current.SetEdition(TGameEdition::Classic);
    EXPECT_EQ(current.Seleccion().ToMask(), MaskOf({1, 2, 3, 4, 5}, {1}));
    EXPECT_EQ(current.Apuestas().Edition(), TGameEdition::Classic);
}

TEST(TwelveStars, TheWholeGameHasMoreCandidates)
{
    TEuroMillonGeneraComb settings(kCurrent);
    settings.Seleccion().FromMask(kNumberBits | kAnyStarBits);
    EXPECT_EQ(settings.ApuestasPosibles(), 139838160);
}

TEST(TwelveStars, StarsTenToTwelveWithoutReduction)
{
    TEuroMillonGeneraComb settings(kCurrent);
    Select(settings, {1, 2, 3, 4, 5, 6}, {10, 11, 12});
    EXPECT_EQ(settings.Generar(), 18);
    EXPECT_EQ(settings.Generadas(), 18);
    EXPECT_EQ(settings.Validas(), 18);
    const std::vector<std::string> kept = KeptTexts(settings);
    EXPECT_EQ(kept.front(), "01.02.03.04.05-10.11");
    EXPECT_EQ(kept[6], "01.02.03.04.05-10.12");
    EXPECT_EQ(kept.back(), "02.03.04.05.06-11.12");
    EXPECT_EQ(settings.Apuestas().WorkingBet().AsText(), "02.03.04.05.06-11.12");
}

TEST(TwelveStars, ReductionsKeepTheClassicPatternOnHighStars)
{
    // Stars 10-12 play the part stars 1-3 play in the classic examples.
    TEuroMillonGeneraComb settings(kCurrent);
    Select(settings, {1, 2, 3, 4, 5, 6}, {10, 11, 12});
    settings.SetTipoReduccion(TEuroMillonGeneraComb::kReduccionGlobal);
    settings.SetReduccionGlobal(6);
    EXPECT_EQ(settings.Generar(), 3);
    EXPECT_EQ(KeptTexts(settings), (std::vector<std::string>{"01.02.03.04.05-10.11", "01.02.03.04.06-10.12",
                                                             "01.02.03.05.06-11.12"}));
    settings.SetTipoReduccion(TEuroMillonGeneraComb::kReduccionBloques);
    settings.SetReduccionB1(5);
    settings.SetReduccionB2(1);
    EXPECT_EQ(settings.Generar(), 6);
    for (BetMask mask : settings.Apuestas().Masks())
        EXPECT_EQ(mask & kAnyStarBits, StarBit(10) | StarBit(11));
}

TEST(TwelveStars, FastRunAgreesWithThePlainReference)
{
    struct Case {
        uint8_t kind;
        int level1, level2;
    };
    const Case cases[] = {{0, 7, 0}, {1, 6, 0}, {1, 5, 0}, {1, 4, 0}, {2, 4, 2}, {2, 3, 1}, {2, 5, 1}};
    for (const Case &c : cases) {
        TEuroMillonGeneraComb fast(kCurrent);
        TEuroMillonGeneraComb plain(kCurrent);
        for (TEuroMillonGeneraComb *settings : {&fast, &plain}) {
            Select(*settings, {3, 7, 11, 19, 23, 31, 42, 50}, {2, 8, 9, 10, 11, 12});
            settings->SetTipoReduccion(c.kind);
            settings->SetReduccionGlobal(c.level1);
            settings->SetReduccionB1(c.level1);
            settings->SetReduccionB2(c.level2);
            TEuroMillonCondicionGrupo stars = CondicionGrupoDefecto;
            stars.Bloque = 2;
            stars.Numeros = {10, 11, 12};
            stars.AciertosMax = 1;
            settings->Condiciones().Add(stars);
        }
        fast.Generar();
        const TReferenceCounts counts = ReferenceGenerar(plain);
        SCOPED_TRACE(testing::Message()
                     << "kind " << int{c.kind} << " levels " << c.level1 << "," << c.level2);
        EXPECT_EQ(fast.Generadas(), counts.generadas);
        EXPECT_EQ(fast.Validas(), counts.validas);
        EXPECT_EQ(fast.Apuestas().Masks(), plain.Apuestas().Masks());
        EXPECT_EQ(fast.Condiciones().Cumplen(0), plain.Condiciones().Cumplen(0));
    }
}

TEST(TwelveStars, GlobalReductionGuaranteesItsLevelOverTwelveStars)
{
    TEuroMillonGeneraComb settings(kCurrent);
    Select(settings, {1, 2, 3, 4, 5, 6, 7, 8}, {1, 5, 9, 10, 11, 12});
    for (int level : {6, 5}) {
        settings.SetTipoReduccion(TEuroMillonGeneraComb::kReduccionGlobal);
        settings.SetReduccionGlobal(level);
        const int32_t kept = settings.Generar();
        EXPECT_GT(kept, 0);
        EXPECT_LT(kept, settings.Generadas());
        EXPECT_TRUE(EveryCandidateCovered(settings.Seleccion().ToMask(), settings.Apuestas().Masks(), level));
    }
}

TEST(TwelveStars, ConditionsLookAtStarsTenToTwelve)
{
    TEuroMillonGeneraComb settings(kCurrent);
    Select(settings, {1, 2, 3, 4, 5}, {9, 10, 11, 12});
    TEuroMillonCondicionGrupo high = CondicionGrupoDefecto;
    high.Bloque = 2;
    high.Numeros = {10, 11, 12};
    high.AciertosMin = 2; // both stars among 10-12
    settings.Condiciones().Add(high);
    TEuroMillonCondicionGrupo even = CondicionGrupoDefecto;
    even.Bloque = 2;
    even.Numeros = {9, 10, 11, 12};
    even.ParesMax = 1; // not 10 and 12 together
    even.SumMin = 22;  // only 10+12 and 11+12 reach it
    settings.Condiciones().Add(even);
    EXPECT_EQ(settings.Generar(), 1);
    EXPECT_EQ(KeptTexts(settings), (std::vector<std::string>{"01.02.03.04.05-11.12"}));
    EXPECT_EQ(settings.Generadas(), 6);
    EXPECT_EQ(settings.Condiciones().Cumplen(0), 3); // 10+11, 10+12, 11+12
    EXPECT_EQ(settings.Condiciones().Cumplen(1), 1); // 11+12 only: 10+12 is two even stars
}

TEST(TwelveStars, EnumeratorWalksTheHighStars)
{
    TEuroMillonApuestaMult selection(kCurrent);
    selection.FromMask(MaskOf({1, 2, 3, 4, 5}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    TEuroMillonGenerador walk(selection);
    int count = 0;
    std::string last;
    for (walk.Primera(); !walk.Fin(); walk.Siguiente()) {
        ++count;
        last = walk.Apuesta().AsText();
    }
    EXPECT_EQ(count, 66);
    EXPECT_EQ(last, "01.02.03.04.05-11.12");
}

TEST(TwelveStars, CoverageIndexAgreesWithPairwiseComparison)
{
    std::mt19937 random(20);
    auto randomBet = [&] {
        BetMask mask = 0;
        while (CountNumbers(mask) < 5)
            mask |= NumberBit(std::uniform_int_distribution<int>(1, 12)(random));
        while (CountStars(mask) < 2)
            mask |= StarBit(std::uniform_int_distribution<int>(1, 12)(random));
        return mask;
    };
    for (int total = 1; total <= 7; ++total) {
        TCoverageIndex index = TCoverageIndex::ForGlobal(total, 12);
        std::vector<BetMask> kept;
        for (int i = 0; i < 400; ++i) {
            const BetMask candidate = randomBet();
            bool plain = false;
            for (BetMask bet : kept)
                plain = plain || std::popcount(bet & candidate) >= total;
            ASSERT_EQ(index.IsCovered(candidate), plain)
                << "total " << total << " bet " << MaskToText(candidate);
            if (!plain) {
                index.Insert(candidate);
                kept.push_back(candidate);
            }
        }
    }
    EXPECT_THROW(TCoverageIndex::ForGlobal(6, 13), std::invalid_argument);
}

TEST(TwelveStars, SelectionTextAcceptsHighStarsOnlyToday)
{
    EXPECT_EQ(ParseSelectionValues("1,10-12", 2, kCurrent), MaskOf({}, {1, 10, 11, 12}));
    EXPECT_EQ(ParseSelectionValues("1,10-12", 2), std::nullopt);
    EXPECT_EQ(ParseSelectionValues("13", 2, kCurrent), std::nullopt);
    EXPECT_EQ(SelectionValuesText(MaskOf({}, {1, 9, 10, 11, 12}), 2, kCurrent), "1,9-12");
    EXPECT_EQ(SelectionValuesText(MaskOf({}, {1, 9}), 2), "1,9");
}
