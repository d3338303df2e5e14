#pragma once

#include "model/bet_mask.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// The keys of a combination's bets for the guarantee analysis, packed by
// their numbers. For every set K of 1 to 5 numbers there is one word saying
// which keys made of K and some stars belong to a bet:
//   bit 45       some bet holds K (key K + no star);
//   bits 36-44   star s-1: some bet holds K and star s (key K + one star);
//   bits 0-35    star pair p: some bet holds K and both stars of pair p
//                (key K + two stars), pairs numbered in lexicographic order.
// A draw's keys for the category "n numbers + s stars" are then read from the
// words of its n-subsets: the draw wins at least that category against some
// bet exactly when one of its keys is marked.
class TGuaranteeMarks {
public:
    static constexpr int kAnyBit = 45;
    static constexpr int kStarBitsShift = 36;
    static constexpr uint64_t kPairBits = (uint64_t{1} << 36) - 1;

    // Marks every key of every bet; threads 0 means one per processor. The
    // words do not depend on the number of threads.
    explicit TGuaranteeMarks(const std::vector<BetMask> &bets, unsigned threads = 1);

    // For a set of up to five numbers (the lowest five of the mask), the OR
    // of the words of its subsets of each size: bySize[n] for n = 1 to 5
    // (0 for sizes the set cannot hold, and for n = 0).
    void Collect(BetMask numbers, std::array<uint64_t, 6> &bySize) const;

    // Index of the star pair (1-9, a < b) in lexicographic order, 0 to 35.
    static int PairIndex(int lowStar, int highStar);
    // The pairs (as pair bits) that hold at least one of the stars of a 9-bit
    // star set (bit s-1 for star s).
    static uint64_t PairsWithAnyStar(unsigned starSet);
    // The pairs made of two stars of a 9-bit star set.
    static uint64_t PairsWithin(unsigned starSet);

    size_t Bytes() const;

private:
    void Mark(const std::vector<BetMask> &bets, size_t first, size_t last, unsigned sizes);

    // words_[n] is indexed by the colexicographic rank of the n-subset of the
    // mirrored values (number v as 50 - v), so that the sets of five of a
    // lexicographic walk read words close to each other.
    std::array<std::vector<uint64_t>, 6> words_;
};
