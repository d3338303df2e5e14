#pragma once

#include "generator/genera_comb.h"
#include "model/euromillon_apuestas.h"

#include <cstdint>
#include <random>
#include <vector>

// Settings with every number from 1 to highestNumber and every star from 1
// to highestStar.
inline void SelectRange(TEuroMillonGeneraComb &settings, int highestNumber, int highestStar)
{
    for (int n = 1; n <= highestNumber; ++n)
        settings.Seleccion().Block(1).Add(n);
    for (int s = 1; s <= highestStar; ++s)
        settings.Seleccion().Block(2).Add(s);
}

inline void SetGlobal(TEuroMillonGeneraComb &settings, int level)
{
    settings.SetTipoReduccion(TEuroMillonGeneraComb::kReduccionGlobal);
    settings.SetReduccionGlobal(level);
}

inline void SetBlocks(TEuroMillonGeneraComb &settings, int numbers, int stars)
{
    settings.SetTipoReduccion(TEuroMillonGeneraComb::kReduccionBloques);
    settings.SetReduccionB1(numbers);
    settings.SetReduccionB2(stars);
}

// A small random generation: 5 to 11 numbers and 2 to 4 stars scattered
// over the game, a global or block reduction, and, when asked, one or two
// random group conditions loose enough to leave some candidates.
inline void RandomSettings(TEuroMillonGeneraComb &settings, std::mt19937 &random, bool withConditions)
{
    auto below = [&](int bound) { return static_cast<int>(random() % static_cast<unsigned>(bound)); };
    settings.Clear();
    const int numbers = 5 + below(7);
    while (settings.Seleccion().Block(1).Count() < numbers)
        settings.Seleccion().Block(1).Add(1 + below(50));
    const int stars = 2 + below(3);
    while (settings.Seleccion().Block(2).Count() < stars)
        settings.Seleccion().Block(2).Add(1 + below(9));
    if (below(2) == 0)
        SetGlobal(settings, 3 + below(4));
    else
        SetBlocks(settings, 2 + below(3), 1 + below(2));
    if (!withConditions)
        return;
    for (int c = 1 + below(2); c > 0; --c) {
        TEuroMillonCondicionGrupo condition = CondicionGrupoDefecto;
        condition.Bloque = below(4) == 0 ? 2 : 1;
        const int highest = condition.Bloque == 1 ? 50 : 9;
        for (int v = 1; v <= highest; ++v)
            if (below(2) == 0)
                condition.Numeros.push_back(v);
        if (condition.Bloque == 1) {
            condition.AciertosMin = below(2);
            condition.AciertosMax = 2 + below(4);
            condition.ParesMax = 2 + below(4);
        } else {
            condition.AciertosMax = 1 + below(2);
        }
        settings.Condiciones().Add(condition);
    }
}
