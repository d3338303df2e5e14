#pragma once

#include <cstdint>

// The texts of the import and export of bets.

inline constexpr uint16_t kTxtTooManyBetsForSheet = 45503; // "Una hoja de cálculo admite como máximo %d ..."
