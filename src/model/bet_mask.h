#pragma once

#include <bit>
#include <cstdint>

// A bet or a selection as one 64-bit mask: bit n-1 for number n (1 to 50),
// bit 50+s-1 for star s (1 to 12; the classic game uses 1 to 9). Combinations store their bets this way, and
// the generator and the prize check compare bets by counting shared bits.
using BetMask = uint64_t;

inline constexpr int kStarShift = 50;
inline constexpr BetMask kNumberBits = (BetMask{1} << 50) - 1;
// The stars of the classic game (1 to 9), and every star bit (1 to 12).
inline constexpr BetMask kStarBits = BetMask{0x1FF} << kStarShift;
inline constexpr BetMask kAnyStarBits = BetMask{0xFFF} << kStarShift;

constexpr BetMask NumberBit(int number)
{
    return BetMask{1} << (number - 1);
}

constexpr BetMask StarBit(int star)
{
    return BetMask{1} << (kStarShift + star - 1);
}

constexpr int CountNumbers(BetMask mask)
{
    return std::popcount(mask & kNumberBits);
}

constexpr int CountStars(BetMask mask)
{
    return std::popcount(mask & kAnyStarBits);
}

// Numbers and stars two masks have in common.
constexpr int SharedNumbers(BetMask a, BetMask b)
{
    return CountNumbers(a & b);
}

constexpr int SharedStars(BetMask a, BetMask b)
{
    return CountStars(a & b);
}
