#pragma once

#include "model/bet_mask.h"

#include <bit>
#include <cstdint>

class TEuroMillonGeneraComb;

// When one bet covers another under a reduction: they share at least `total`
// of their seven values (global reduction), or at least `numbers` numbers
// and `stars` stars (block reduction). The relation is symmetric, and every
// bet covers itself.
struct TCoverRule {
    bool global = true;
    int total = 7;
    int numbers = 5;
    int stars = 2;

    // The rule of the settings' reduction; nothing when no reduction applies.
    static bool FromSettings(const TEuroMillonGeneraComb &settings, TCoverRule &rule);

    // Whether a bet sharing this many numbers and stars with another covers it.
    bool AllowsShared(int sharedNumbers, int sharedStars) const
    {
        return global ? sharedNumbers + sharedStars >= total
                      : sharedNumbers >= numbers && sharedStars >= stars;
    }

    bool Covers(BetMask a, BetMask b) const
    {
        const BetMask shared = a & b;
        if (global)
            return std::popcount(shared & (kNumberBits | kAnyStarBits)) >= total;
        return std::popcount(shared & kNumberBits) >= numbers &&
               std::popcount(shared & kAnyStarBits) >= stars;
    }
};
