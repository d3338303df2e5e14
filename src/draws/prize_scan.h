#pragma once

#include "model/bet_mask.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

// The mask of a simple bet (at most 5 numbers of 1 to 50, 2 stars of 1 to
// highestStar) built from two number arrays the way a bet object takes a
// record: values out of range, repeated or beyond the block's capacity are
// dropped.
BetMask SimpleBetMask(std::span<const int32_t> numbers, std::span<const int32_t> stars, int highestStar = 9);

class THitBlock;

// Every winning pair of bet and draw, found by intersecting bet masks. The
// hits are kept bet by bet and, within one bet, in the order of the draws.
// Large runs are shared among the processors; the result does not depend on
// how many there are. Each hit takes two bytes (four from 4096 draws on), so
// a million bets against two thousand draws stay under two hundred megabytes
// in the classic game, and under three hundred in today's, whose 2+0 wins
// about one bet in twenty.
class TPrizeScan {
public:
    struct THit {
        int32_t Apuesta = 0;   // position of the bet
        int32_t Sorteo = 0;    // position of the draw
        int32_t Categoria = 0; // 1 to 13
    };

    // Replaces the results. threads 0 means one per processor. Raises
    // EListError when there are more draws than a hit can name.
    TPrizeScan();
    ~TPrizeScan();
    TPrizeScan(const TPrizeScan &) = delete;
    TPrizeScan &operator=(const TPrizeScan &) = delete;

    // Every draw has 12 categories.
    void Run(const std::vector<BetMask> &bets, const std::vector<BetMask> &draws, unsigned threads = 0);
    // categoryCounts[j] is the number of categories of draw j: 13 makes 2+0
    // a hit of category 13; 12 (or a draw beyond the vector) leaves it none.
    void Run(const std::vector<BetMask> &bets, const std::vector<BetMask> &draws,
             const std::vector<uint8_t> &categoryCounts, unsigned threads = 0);
    void Clear();

    uint64_t Count() const { return total_; }
    // Raises EListError for an index not below Count().
    THit Hit(uint64_t index) const;
    // Number of hits of one draw in one category (1 to 13).
    uint64_t HitsOf(size_t draw, int categoria) const;

private:
    // The hits of a run of consecutive bets.
    struct TSegment {
        int32_t FirstBet = 0;
        std::vector<uint64_t> BetEnd;   // per bet: end of its hits in Entries
        const void *Entries = nullptr; // draw position << 4 | category, 16 or 32 bits each
        uint64_t EntryCount = 0;
    };

    std::vector<std::unique_ptr<THitBlock>> blocks_; // hold the segments' entries
    std::vector<TSegment> segments_;
    std::vector<uint64_t> segmentStart_; // first hit index of each segment
    std::vector<uint64_t> perDrawCategory_; // draw * 13 + category - 1
    uint64_t total_ = 0;
    bool wide_ = false; // hits of 32 bits rather than 16
};
