#include "generator/genera_comb.h"
#include "generator/generador.h"
#include "generator/mask_enumeration.h"
#include "generator_test_support.h"

#include "model/bet_errors.h"
#include "model/euromillon_apuestas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

void Select(TEuroMillonGeneraComb &settings, int numbers, int stars)
{
    for (int n = 1; n <= numbers; ++n)
        settings.Seleccion().Block(1).Add(n);
    for (int s = 1; s <= stars; ++s)
        settings.Seleccion().Block(2).Add(s);
}

std::vector<std::string> KeptTexts(const TEuroMillonGeneraComb &settings)
{
    std::vector<std::string> texts;
    for (BetMask mask : settings.Apuestas().Masks())
        texts.push_back(MaskToText(mask));
    return texts;
}

} // namespace

TEST(Generador, WalksStarPairsOutsideAndNumberSetsInside)
{
    TEuroMillonApuestaMult selection;
    for (int n = 1; n <= 6; ++n)
        selection.Block(1).Add(n);
    for (int s = 1; s <= 3; ++s)
        selection.Block(2).Add(s);
    TEuroMillonGenerador walk(selection);
    EXPECT_TRUE(walk.Fin());
    std::vector<std::string> order;
    for (walk.Primera(); !walk.Fin(); walk.Siguiente())
        order.push_back(walk.Apuesta().AsText());
    std::vector<std::string> expected;
    for (const char *stars : {"01.02", "01.03", "02.03"})
        for (const char *numbers : {"01.02.03.04.05", "01.02.03.04.06", "01.02.03.05.06", "01.02.04.05.06",
                                    "01.03.04.05.06", "02.03.04.05.06"})
            expected.push_back(std::string(numbers) + "-" + stars);
    EXPECT_EQ(order, expected);
}

TEST(Generador, MaskWalkFollowsTheSameOrder)
{
    TEuroMillonApuestaMult selection;
    for (int n : {2, 9, 14, 15, 23, 31, 40, 50})
        selection.Block(1).Add(n);
    for (int s : {1, 4, 8, 9})
        selection.Block(2).Add(s);
    TEuroMillonGenerador walk(selection);
    std::vector<BetMask> masks;
    for (walk.Primera(); !walk.Fin(); walk.Siguiente())
        masks.push_back(walk.Apuesta().ToMask());
    std::vector<BetMask> fast;
    for (BetMask pair : StarPairMasks(selection.ToMask()))
        for (BetMask quintet : NumberQuintetMasks(selection.ToMask()))
            fast.push_back(pair | quintet);
    EXPECT_EQ(masks.size(), 56u * 6u);
    EXPECT_EQ(masks, fast);
}

TEST(Generador, TooSmallSelectionsGiveNoCandidate)
{
    TEuroMillonApuestaMult selection;
    for (int n = 1; n <= 4; ++n)
        selection.Block(1).Add(n);
    selection.Block(2).Add(1);
    selection.Block(2).Add(2);
    TEuroMillonGenerador walk(selection);
    walk.Primera();
    EXPECT_TRUE(walk.Fin());
    selection.Block(1).Add(5); // the walk took a copy
    walk.Primera();
    EXPECT_TRUE(walk.Fin());
}

TEST(Generar, NoReductionKeepsEveryCandidateInOrder)
{
    TEuroMillonGeneraComb settings;
    Select(settings, 6, 3);
    EXPECT_EQ(settings.Generar(), 18);
    EXPECT_EQ(settings.Generadas(), 18);
    EXPECT_EQ(settings.Validas(), 18);
    std::vector<std::string> kept = KeptTexts(settings);
    ASSERT_EQ(kept.size(), 18u);
    EXPECT_EQ(kept[0], "01.02.03.04.05-01.02");
    EXPECT_EQ(kept[5], "02.03.04.05.06-01.02");
    EXPECT_EQ(kept[6], "01.02.03.04.05-01.03");
    EXPECT_EQ(kept[17], "02.03.04.05.06-02.03");
    EXPECT_EQ(settings.Apuestas().Current(), 17);
    EXPECT_EQ(settings.Apuestas().WorkingBet().AsText(), "02.03.04.05.06-02.03");
    EXPECT_FALSE(settings.Procesando());

    settings.SetTipoReduccion(1); // level 7: no reduction
    EXPECT_EQ(settings.Generar(), 18);
    settings.SetTipoReduccion(2); // levels 5 and 2: no reduction
    EXPECT_EQ(settings.Generar(), 18);
}

TEST(Generar, WorkedReductions)
{
    struct Case {
        int numbers, stars, kind, level1, level2;
        std::vector<std::string> kept;
    };
    const std::vector<Case> cases = {
        {6, 3, 1, 6, 0, {"01.02.03.04.05-01.02", "01.02.03.04.06-01.03", "01.02.03.05.06-02.03"}},
        {6, 3, 2, 4, 2, {"01.02.03.04.05-01.02", "01.02.03.04.05-01.03", "01.02.03.04.05-02.03"}},
        {6,
         3,
         2,
         5,
         1,
         {"01.02.03.04.05-01.02", "01.02.03.04.06-01.02", "01.02.03.05.06-01.02", "01.02.04.05.06-01.02",
          "01.03.04.05.06-01.02", "02.03.04.05.06-01.02"}},
        {7, 2, 1, 6, 0, {"01.02.03.04.05-01.02", "01.02.03.06.07-01.02", "01.04.05.06.07-01.02"}},
        {7, 2, 1, 5, 0, {"01.02.03.04.05-01.02"}},
        {10,
         2,
         2,
         3,
         2,
         {"01.02.03.04.05-01.02", "01.02.06.07.08-01.02", "01.03.06.09.10-01.02", "02.04.07.09.10-01.02",
          "03.05.07.08.09-01.02", "04.05.06.08.10-01.02"}},
    };
    for (const Case &c : cases) {
        TEuroMillonGeneraComb settings;
        Select(settings, c.numbers, c.stars);
        settings.SetTipoReduccion(static_cast<uint8_t>(c.kind));
        if (c.kind == 1) {
            settings.SetReduccionGlobal(c.level1);
        } else {
            settings.SetReduccionB1(c.level1);
            settings.SetReduccionB2(c.level2);
        }
        EXPECT_EQ(settings.Generar(), static_cast<int32_t>(c.kept.size()));
        EXPECT_EQ(KeptTexts(settings), c.kept) << c.numbers << " numbers, kind " << c.kind << " " << c.level1;
        EXPECT_EQ(settings.Generadas(), settings.ApuestasPosibles());
        EXPECT_EQ(settings.Validas(), settings.Generadas());
    }
}

TEST(Generar, SmallSelectionsGiveNothing)
{
    TEuroMillonGeneraComb settings;
    Select(settings, 4, 2);
    EXPECT_EQ(settings.Generar(), 0);
    EXPECT_EQ(settings.Generadas(), 0);
    TEuroMillonGeneraComb oneStar;
    Select(oneStar, 9, 1);
    EXPECT_EQ(oneStar.Generar(), 0);
    EXPECT_EQ(oneStar.Generadas(), 0);
}

TEST(Generar, ConditionsFilterAndCount)
{
    TEuroMillonGeneraComb settings;
    Select(settings, 10, 3);
    TEuroMillonCondicionGrupo none = CondicionGrupoDefecto;
    for (int n = 1; n <= 50; ++n)
        none.Numeros.push_back(n);
    none.AciertosMax = 0;
    settings.Condiciones().Add(none);
    EXPECT_EQ(settings.Generar(), 0);
    EXPECT_EQ(settings.Generadas(), 252 * 3);
    EXPECT_EQ(settings.Validas(), 0);
    EXPECT_FALSE(settings.Cancelado());
    EXPECT_EQ(settings.Condiciones().Evaluadas(0), 252 * 3);
    EXPECT_EQ(settings.Condiciones().Cumplen(0), 0);

    TEuroMillonCondicionGrupo low = CondicionGrupoDefecto;
    low.Numeros = {1, 2};
    low.AciertosMin = 2; // both 1 and 2: C(8, 3) = 56 sets of numbers
    settings.Condiciones().SetCondicion(0, low);
    TEuroMillonCondicionGrupo star3 = CondicionGrupoDefecto;
    star3.Bloque = 2;
    star3.Numeros = {3};
    star3.AciertosMax = 0;
    star3.Activa = false;
    settings.Condiciones().Add(star3);
    EXPECT_EQ(settings.Generar(), 56 * 3);
    EXPECT_EQ(settings.Validas(), 56 * 3);
    EXPECT_EQ(settings.Condiciones().Cumplen(0), 56 * 3);
    EXPECT_EQ(settings.Condiciones().Cumplen(1), 252);
    EXPECT_EQ(settings.Condiciones().Evaluadas(1), 252 * 3);
}

TEST(Generar, ABadConditionBlockRaisesAfterTheRunEnds)
{
    TEuroMillonGeneraComb settings;
    Select(settings, 6, 2);
    TEuroMillonCondicionGrupo bad = CondicionGrupoDefecto;
    bad.Bloque = 3;
    settings.Condiciones().Add(bad);
    int reports = 0;
    settings.OnProgress = [&](void *) { ++reports; };
    EXPECT_THROW(settings.Generar(), EBetError);
    EXPECT_FALSE(settings.Procesando());
    EXPECT_EQ(reports, 1);
}

TEST(Generar, ProgressIsThrottledAndEndsWithAnUnthrottledReport)
{
    TEuroMillonGeneraComb settings;
    Select(settings, 10, 2); // 252 candidates
    uint64_t now = 5000;
    settings.SetTickSource([&now] { return now += 100; }, 1); // each reading 100 ms later
    std::vector<int32_t> seen;
    std::vector<int> keptSeen;
    std::vector<bool> processing;
    settings.OnProgress = [&](void *sender) {
        auto *s = static_cast<TEuroMillonGeneraComb *>(sender);
        seen.push_back(s->Generadas());
        keptSeen.push_back(s->Apuestas().Count());
        processing.push_back(s->Procesando());
    };
    EXPECT_EQ(settings.Generar(), 252);
    // Reported at 5100 and recorded at 5200; the next reading past 5450 is
    // the third after it.
    ASSERT_GE(seen.size(), 4u);
    EXPECT_EQ(seen[0], 1);
    EXPECT_EQ(seen[1], 4);
    EXPECT_EQ(seen[2], 7);
    EXPECT_EQ(keptSeen[0], 0) << "the first candidate is reported before it is judged";
    EXPECT_EQ(keptSeen[1], 3);
    EXPECT_TRUE(processing[0]);
    EXPECT_EQ(seen.back(), 252);
    EXPECT_EQ(keptSeen.back(), 252);
    EXPECT_FALSE(processing.back());
}

TEST(Generar, ProgressWithAStillClockReportsFirstAndLastOnly)
{
    TEuroMillonGeneraComb settings;
    Select(settings, 10, 2);
    settings.SetTickSource([] { return uint64_t{5000}; }, 1);
    std::vector<int32_t> seen;
    settings.OnProgress = [&](void *sender) {
        seen.push_back(static_cast<TEuroMillonGeneraComb *>(sender)->Generadas());
    };
    settings.Generar();
    EXPECT_EQ(seen, (std::vector<int32_t>{1, 252}));
}

TEST(Generar, CancellingStopsBeforeTheNextCandidate)
{
    TEuroMillonGeneraComb settings;
    Select(settings, 10, 2);
    uint64_t now = 5000;
    settings.SetTickSource([&now] { return now += 300; }, 1); // every candidate is due
    settings.OnProgress = [&](void *sender) {
        auto *s = static_cast<TEuroMillonGeneraComb *>(sender);
        if (s->Generadas() == 5)
            s->SetCancelado(true);
    };
    EXPECT_EQ(settings.Generar(), 0);
    EXPECT_TRUE(settings.Cancelado());
    EXPECT_EQ(settings.Generadas(), 5);
    EXPECT_EQ(settings.Apuestas().Count(), 5) << "the reported candidate is still kept";
    EXPECT_FALSE(settings.Procesando());

    settings.OnProgress = nullptr;
    EXPECT_EQ(settings.Generar(), 252) << "a new run clears the cancellation";
    EXPECT_FALSE(settings.Cancelado());
}

TEST(Generar, ARunDoesNotStartWhileAnotherIsUnderWay)
{
    TEuroMillonGeneraComb settings;
    Select(settings, 6, 2);
    int32_t inner = -1;
    settings.OnProgress = [&](void *) {
        if (inner < 0 && settings.Procesando())
            inner = settings.Generar();
    };
    EXPECT_EQ(settings.Generar(), 6);
    EXPECT_EQ(inner, 0);
}

TEST(Generar, CumpleReduccionSearchesTheKeptBets)
{
    TEuroMillonGeneraComb settings;
    Select(settings, 6, 2);
    settings.Generar();
    TEuroMillonApuesta bet;
    bet.FromMask(MaskOf({1, 2, 3, 4, 40}, {1, 2}));
    EXPECT_TRUE(settings.CumpleReduccion(bet)) << "no reduction: nothing covers";
    settings.SetTipoReduccion(1);
    settings.SetReduccionGlobal(6);
    EXPECT_FALSE(settings.CumpleReduccion(bet));
    settings.SetTipoReduccion(2);
    settings.SetReduccionB1(5);
    settings.SetReduccionB2(1);
    EXPECT_TRUE(settings.CumpleReduccion(bet));
    settings.SetReduccionB1(4);
    EXPECT_FALSE(settings.CumpleReduccion(bet));
}
