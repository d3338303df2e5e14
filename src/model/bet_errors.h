#pragma once

#include "model/exception.h"

#include <cstdint>

// Misuse of a block or a bet: 40001 "Máximo %d números en el bloque" when a
// block is assigned more values than it may hold, "Bloque not exists" for a
// block number other than 1 or 2.
class EBetError : public Exception {
public:
    using Exception::Exception;
};

// The localized text identifiers the bets and combinations raise.
inline constexpr uint16_t kTextMaxNumbersInBlock = 40001; // "Máximo %d números en el bloque"
inline constexpr uint16_t kTextIndexError = 40002;        // "Error index en la lista index: %d"
inline constexpr uint16_t kTextOtherGameFile = 45801;     // the file is of the other game
inline constexpr uint16_t kTextOtherGameBets = 45804;     // bets of one game into the other
