#pragma once

// Text ids the generator's core writes into its results.

#include <cstdint>

inline constexpr uint16_t kTxtWizardMaxTwoInTen = 41724; // "Máximo 2 numeros entre el %d y el %d"
