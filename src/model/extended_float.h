#pragma once

#include <array>
#include <cstdint>

// The 80-bit extended float of the x86 floating-point unit, as stored in files:
// 64-bit significand with an explicit integer bit, 15-bit exponent biased by
// 16383, sign bit; little-endian.
using ExtendedBytes = std::array<uint8_t, 10>;

// Exact: every double, infinities and NaNs included, has an extended value.
ExtendedBytes DoubleToExtended(double value);

// Rounded to the nearest double (ties to even); too large gives an infinity,
// too small a subnormal or zero. Extended values made from doubles come back
// exactly.
double ExtendedToDouble(const ExtendedBytes &bytes);
