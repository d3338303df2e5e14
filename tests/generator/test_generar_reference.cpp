#include "generator/genera_comb.h"
#include "reference_generation.h"

#include "model/euromillon_apuestas.h"

#include <gtest/gtest.h>

#include <random>

namespace {

int Pick(std::mt19937 &random, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(random);
}

void RandomSelection(std::mt19937 &random, TEuroMillonGeneraComb &settings)
{
    const int numbers = Pick(random, 4, 12);
    const int stars = Pick(random, 1, 5);
    while (settings.Seleccion().Block(1).Count() < numbers)
        settings.Seleccion().Block(1).Add(Pick(random, 1, 50));
    while (settings.Seleccion().Block(2).Count() < stars)
        settings.Seleccion().Block(2).Add(Pick(random, 1, 9));
}

void RandomReduction(std::mt19937 &random, TEuroMillonGeneraComb &settings)
{
    settings.SetTipoReduccion(static_cast<uint8_t>(Pick(random, 0, 3)));
    settings.SetReduccionGlobal(Pick(random, 1, 7));
    settings.SetReduccionB1(Pick(random, 1, 5));
    settings.SetReduccionB2(Pick(random, 1, 2));
}

TEuroMillonCondicionGrupo RandomCondition(std::mt19937 &random, const TEuroMillonApuestaMult &selection)
{
    TEuroMillonCondicionGrupo c = CondicionGrupoDefecto;
    c.Bloque = Pick(random, 1, 2);
    c.Activa = Pick(random, 0, 3) != 0;
    // Mostly values of the selection, so that the bounds matter.
    const TEuroMillonNums &block = selection.Block(c.Bloque);
    for (int i = 0; i < block.Count(); ++i)
        if (Pick(random, 0, 1))
            NumerosAdd(c.Numeros, block.Items(i));
    NumerosAdd(c.Numeros, Pick(random, -2, 60));
    const int most = c.Bloque == 1 ? 5 : 2;
    c.AciertosMin = Pick(random, 0, most);
    c.AciertosMax = Pick(random, c.AciertosMin, most + 1);
    c.ParesMin = Pick(random, 0, 2);
    c.ParesMax = Pick(random, 0, 5);
    c.ImparesMin = Pick(random, 0, 1);
    c.ImparesMax = Pick(random, 1, 5);
    c.SumMin = Pick(random, 0, 60);
    c.SumMax = Pick(random, c.SumMin, 240);
    return c;
}

} // namespace

TEST(GenerarReference, FastRunEqualsThePlainRunOnRandomSettings)
{
    std::mt19937 random(20261209);
    int withReduction = 0;
    int withConditions = 0;
    for (int round = 0; round < 240; ++round) {
        TEuroMillonGeneraComb fast;
        RandomSelection(random, fast);
        RandomReduction(random, fast);
        const int conditions = Pick(random, 0, 1) == 0 ? Pick(random, 1, 3) : 0;
        for (int i = 0; i < conditions; ++i)
            fast.Condiciones().Add(RandomCondition(random, fast.Seleccion()));
        TEuroMillonGeneraComb plain;
        plain.AssignSettings(fast);

        const int32_t kept = fast.Generar();
        const TReferenceCounts counts = ReferenceGenerar(plain);
        SCOPED_TRACE("round " + std::to_string(round) + " selection " + fast.Seleccion().AsText() + " kind " +
                     std::to_string(fast.TipoReduccion()));
        ASSERT_EQ(fast.Generadas(), counts.generadas);
        ASSERT_EQ(fast.Validas(), counts.validas);
        ASSERT_EQ(kept, plain.Apuestas().Count());
        ASSERT_EQ(fast.Apuestas().Masks(), plain.Apuestas().Masks());
        for (int i = 0; i < conditions; ++i) {
            ASSERT_EQ(fast.Condiciones().Cumplen(i), plain.Condiciones().Cumplen(i));
            ASSERT_EQ(fast.Condiciones().Evaluadas(i), plain.Condiciones().Evaluadas(i));
        }
        withReduction += fast.ReduccionAplica() && kept < fast.Validas();
        withConditions += conditions > 0 && fast.Validas() > 0 && fast.Validas() < fast.Generadas();
    }
    EXPECT_GT(withReduction, 30) << "the random cases must exercise the reduction";
    EXPECT_GT(withConditions, 5) << "and conditions that reject some candidates";
}

TEST(GenerarReference, EveryLevelOnOneMediumSelection)
{
    for (int kind = 1; kind <= 2; ++kind) {
        for (int level = 1; level <= (kind == 1 ? 6 : 9); ++level) {
            TEuroMillonGeneraComb fast;
            for (int n : {1, 4, 7, 10, 13, 16, 20, 23, 27, 31, 35})
                fast.Seleccion().Block(1).Add(n);
            for (int s : {2, 3, 5, 8})
                fast.Seleccion().Block(2).Add(s);
            fast.SetTipoReduccion(static_cast<uint8_t>(kind));
            if (kind == 1) {
                fast.SetReduccionGlobal(level);
            } else {
                fast.SetReduccionB1((level + 1) / 2);
                fast.SetReduccionB2(2 - level % 2);
            }
            TEuroMillonGeneraComb plain;
            plain.AssignSettings(fast);
            fast.Generar();
            ReferenceGenerar(plain);
            EXPECT_EQ(fast.Apuestas().Masks(), plain.Apuestas().Masks())
                << "kind " << kind << " level " << level;
        }
    }
}
