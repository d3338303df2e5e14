#pragma once

#include "model/bet_mask.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Tells whether a candidate bet shares enough with any bet kept so far.
//
// A kept bet covers a candidate when they share at least `numbers` numbers
// and `stars` stars (block reduction), or at least `total` values of the
// seven (global reduction). Both are the same question: does some key, made
// of an a-subset of the candidate's numbers and a b-subset of its stars (one
// split a + b for block reduction, every split for global), belong to a kept
// bet? Every key of the game has a dense rank, so the index is a bitmap of
// fixed size (5 MB at most with 12 stars) whatever the number of kept bets, and one test
// costs at most C(7, level) bit probes.
//
// Candidates and kept bets are complete simple bets: 5 numbers, 2 stars.
class TCoverageIndex {
public:
    // total: 1 to 7 shared values; highestStar: the game's stars run from 1
    // to it (9 in the classic game, 12 today), and no bet holds a higher one.
    static TCoverageIndex ForGlobal(int total, int highestStar = 9);
    // numbers: 0 to 5, stars: 0 to 2, not both 0.
    static TCoverageIndex ForBlocks(int numbers, int stars, int highestStar = 9);

    // Tries the key that covered the previous candidate first: consecutive
    // candidates share most of their values, so it usually answers at once.
    bool IsCovered(BetMask candidate);
    // Marks every key of a kept bet.
    void Insert(BetMask kept);

    // Memory held by the bitmap, in bytes.
    size_t Bytes() const { return bits_.size() * sizeof(uint64_t); }

private:
    struct KeyPart {
        int numbers = 0;
        int stars = 0;
        uint64_t offset = 0;    // first rank of this split
        uint64_t starRanks = 1; // C(highest star, stars)
    };

    explicit TCoverageIndex(int highestStar);
    void AddPart(int numbers, int stars);
    void Allocate();

    // Calls probe(rank, keyMask) for every key of the bet until it returns true.
    template <typename Probe> bool AnyKey(BetMask bet, Probe &&probe) const;

    int gameStars_;
    std::vector<KeyPart> parts_;
    uint64_t keyCount_ = 0;
    std::vector<uint64_t> bits_;
    BetMask lastCoveringKey_ = 0;
    bool haveCoveringKey_ = false;
};
