#pragma once

#include <cstdint>

// The game: block 1 holds the numbers, block 2 the stars.
inline constexpr int kBlockNumbers = 1;
inline constexpr int kBlockStars = 2;

// Values of a simple bet, and the range of each block. Index 0 is unused so
// that the tables are read with the block number itself.
inline constexpr int32_t kValuesPerBet[3] = {0, 5, 2};
inline constexpr int32_t kLowestValue[3] = {0, 1, 1};
inline constexpr int32_t kHighestValue[3] = {0, 50, 9};

// "No limit" for a block's count or highest value.
inline constexpr int32_t kNoLimit = 2147483647;

constexpr bool IsBlockNumber(int block)
{
    return block == kBlockNumbers || block == kBlockStars;
}
