#include "generator/wizard_conditions.h"

#include "generator/genera_comb.h"

#include <gtest/gtest.h>

namespace {

TWizardConditions Named()
{
    TWizardConditions eleccion;
    eleccion.NombreSuma = "suma";
    eleccion.NombreMinDosPares = "min pares";
    eleccion.NombreMaxTresPares = "max pares";
    return eleccion;
}

void SelectNumbers(TEuroMillonGeneraComb &generacion, std::initializer_list<int> numbers)
{
    for (int value : numbers)
        generacion.Seleccion().Block(1).Add(value);
    generacion.Seleccion().Block(2).Add(1);
    generacion.Seleccion().Block(2).Add(2);
}

} // namespace

TEST(WizardConditions, AllFourGiveEightConditionsInOrder)
{
    TEuroMillonGeneraComb generacion;
    SelectNumbers(generacion, {4, 8, 15, 16, 23, 42});
    generacion.Condiciones().Add(CondicionGrupoDefecto); // replaced
    TWizardConditions eleccion = Named();
    eleccion.SumaNumeros = eleccion.MinDosPares = eleccion.MaxTresPares = eleccion.Max2EnDecena = true;
    ConstruirCondicionesAsistente(generacion, eleccion);

    const TEuroMillonCondicionGrupos &list = generacion.Condiciones();
    ASSERT_EQ(list.Count(), 8);
    const TEuroMillonNumeros selected{4, 8, 15, 16, 23, 42};

    TEuroMillonCondicionGrupo minPares = CondicionGrupoDefecto;
    minPares.Numeros = selected;
    minPares.ParesMin = 2;
    minPares.Nombre = "min pares";
    EXPECT_EQ(list.Condicion(0), minPares);

    TEuroMillonCondicionGrupo maxPares = minPares;
    maxPares.ParesMin = 0;
    maxPares.ParesMax = 3;
    maxPares.Nombre = "max pares";
    EXPECT_EQ(list.Condicion(1), maxPares);

    const char *names[5] = {"Máximo 2 numeros entre el 1 y el 10", "Máximo 2 numeros entre el 11 y el 20",
                            "Máximo 2 numeros entre el 21 y el 30", "Máximo 2 numeros entre el 31 y el 40",
                            "Máximo 2 numeros entre el 41 y el 50"};
    for (int d = 1; d <= 5; ++d) {
        const TEuroMillonCondicionGrupo decena = list.Condicion(1 + d);
        EXPECT_EQ(decena.Nombre, names[d - 1]);
        EXPECT_EQ(decena.AciertosMax, 2);
        ASSERT_EQ(decena.Numeros.size(), 10u);
        EXPECT_EQ(decena.Numeros.front(), 10 * d - 9);
        EXPECT_EQ(decena.Numeros.back(), 10 * d);
        EXPECT_TRUE(decena.Activa);
        EXPECT_EQ(decena.Bloque, 1);
        EXPECT_EQ(decena.SumMax, 240);
        EXPECT_EQ(decena.ParesMin, 0);
    }

    TEuroMillonCondicionGrupo suma = CondicionGrupoDefecto;
    suma.Numeros = selected;
    suma.SumMin = 120;
    suma.SumMax = 190;
    suma.Nombre = "suma";
    EXPECT_EQ(list.Condicion(7), suma);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(list.ID(i), i + 1);
}

TEST(WizardConditions, AtMostThreeEvenAloneLooksAtTheSelectedNumbers)
{
    TEuroMillonGeneraComb generacion;
    SelectNumbers(generacion, {1, 2, 3, 4, 5, 6, 7});
    TWizardConditions eleccion = Named();
    eleccion.MaxTresPares = true;
    ConstruirCondicionesAsistente(generacion, eleccion);
    ASSERT_EQ(generacion.Condiciones().Count(), 1);
    const TEuroMillonCondicionGrupo only = generacion.Condiciones().Condicion(0);
    EXPECT_EQ(only.ParesMin, 0);
    EXPECT_EQ(only.ParesMax, 3);
    EXPECT_EQ(only.Numeros, (TEuroMillonNumeros{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(only.Nombre, "max pares");
}

TEST(WizardConditions, NothingChosenLeavesNoCondition)
{
    TEuroMillonGeneraComb generacion;
    SelectNumbers(generacion, {1, 2, 3, 4, 5});
    generacion.Condiciones().Add(CondicionGrupoDefecto);
    ConstruirCondicionesAsistente(generacion, Named());
    EXPECT_EQ(generacion.Condiciones().Count(), 0);
}

TEST(WizardConditions, DecadesRejectThreeInOneDecade)
{
    TEuroMillonGeneraComb generacion;
    SelectNumbers(generacion, {1, 2, 3, 4, 5, 11, 12, 21});
    TWizardConditions eleccion = Named();
    eleccion.Max2EnDecena = true;
    ConstruirCondicionesAsistente(generacion, eleccion);
    // Keeps 5-number sets with at most two of 1-5 and at most two of 11-12:
    // C(5,2) x C(2,2) x C(1,1) = 10 sets, times one star pair.
    EXPECT_EQ(generacion.Generar(), 10);
}
