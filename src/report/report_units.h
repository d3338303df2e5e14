#pragma once

#include <cstdint>

// The report engine places everything in engine units of 1/3.6 mm; ticket
// tables and paper sizes are in tenths of a millimetre.
inline constexpr double kUnitsPerMillimetre = 3.6;

// t tenths of a millimetre as engine units: t x 18 / 50 rounded to the
// nearest integer, halves to even (12.5 tenths give 4, 431.45 give 155).
int32_t DecimasAUnidades(double tenths);

// Exact conversions, for paper sizes and painting.
constexpr double TenthsToUnits(double tenths)
{
    return tenths * 18.0 / 50.0;
}
constexpr double UnitsToMillimetres(double units)
{
    return units / kUnitsPerMillimetre;
}
