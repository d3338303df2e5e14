#pragma once

#include "support/hex_bytes.h"

#include "generator/condicion_grupo.h"
#include "generator/genera_comb.h"
#include "model/bet_mask.h"
#include "model/euromillon_apuesta.h"
#include "model/euromillon_apuestas.h"

#include <algorithm>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

// Random values of one block drawn from a set of candidate values.
inline BetMask PickFrom(std::mt19937 &random, BetMask candidates, int count)
{
    std::vector<BetMask> bits;
    for (BetMask rest = candidates; rest != 0; rest &= rest - 1)
        bits.push_back(rest & (~rest + 1));
    std::shuffle(bits.begin(), bits.end(), random);
    BetMask mask = 0;
    for (int i = 0; i < count && i < static_cast<int>(bits.size()); ++i)
        mask |= bits[static_cast<size_t>(i)];
    return mask;
}

inline BetMask MaskOf(std::initializer_list<int> numbers, std::initializer_list<int> stars)
{
    BetMask mask = 0;
    for (int n : numbers)
        mask |= NumberBit(n);
    for (int s : stars)
        mask |= StarBit(s);
    return mask;
}

// The bets a generation run keeps from a selection mask, without conditions:
// kind 0 no reduction, 1 global (level1), 2 blocks (level1 numbers, level2 stars).
inline std::vector<BetMask> GeneratedBets(BetMask selection, int kind, int level1, int level2 = 0)
{
    TEuroMillonGeneraComb settings;
    settings.Seleccion().FromMask(selection);
    settings.SetTipoReduccion(static_cast<uint8_t>(kind));
    if (kind == TEuroMillonGeneraComb::kReduccionGlobal)
        settings.SetReduccionGlobal(level1);
    if (kind == TEuroMillonGeneraComb::kReduccionBloques) {
        settings.SetReduccionB1(level1);
        settings.SetReduccionB2(level2);
    }
    settings.Generar();
    return settings.Apuestas().Masks();
}

// A group condition of the default kind over the numbers given.
inline TEuroMillonCondicionGrupo Condition(const char *name, std::initializer_list<int> numbers, int hitsMax,
                                           bool active)
{
    TEuroMillonCondicionGrupo condicion = CondicionGrupoDefecto;
    condicion.Nombre = name;
    condicion.Numeros.assign(numbers.begin(), numbers.end());
    condicion.AciertosMax = hitsMax;
    condicion.Activa = active;
    return condicion;
}

// The three conditions the pictures of the generator show: two active, one not.
inline void AddPictureConditions(TEuroMillonCondicionGrupos &conditions)
{
    conditions.Add(Condition("", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 2, true));
    conditions.Add(Condition("Pares bajos", {12, 18, 26, 30, 34}, 3, true));
    conditions.Add(Condition("Sin el 49", {49}, 0, false));
}
