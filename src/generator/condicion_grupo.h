#pragma once

#include "model/numeros.h"

#include <cstdint>
#include <string>

// A filter on the bet's values of one block that fall into a group: bounds
// (inclusive) on how many they are, their sum, and how many of them are even
// and odd. Copied by value.
struct TEuroMillonCondicionGrupo {
    bool Activa = true;
    int32_t Bloque = 1; // 1 numbers, 2 stars
    std::string Nombre;
    TEuroMillonNumeros Numeros; // the group, ascending, each value once
    int32_t SumMin = 0;
    int32_t SumMax = 240; // 46 + 47 + 48 + 49 + 50
    int32_t AciertosMin = 0;
    int32_t AciertosMax = 5;
    int32_t ParesMin = 0;
    int32_t ParesMax = 5;
    int32_t ImparesMin = 0;
    int32_t ImparesMax = 5;

    bool operator==(const TEuroMillonCondicionGrupo &) const = default;
};

// The values every new condition starts from.
inline const TEuroMillonCondicionGrupo CondicionGrupoDefecto{};

// An entry of the condition list: the condition with its identifier and the
// counters of the current or last generation run. Neither is saved.
struct TEuroMillonCondicionGrupoEx {
    int32_t ID = 0;
    TEuroMillonCondicionGrupo Condicion;
    int32_t Cumplen = 0;
    int32_t Evaluadas = 0;
};
