#pragma once

#include "model/bet_mask.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

// The mask of a simple bet (at most 5 numbers of 1 to 50, 2 stars of 1 to
// highestStar) built from two number arrays the way a bet object takes a
// record: values out of range, repeated or beyond the block's capacity are
// dropped.
BetMask SimpleBetMask(std::span<const int32_t> numbers, std::span<const int32_t> stars, int highestStar = 9);

// Every winning pair of bet and draw, found by intersecting bet masks. A run
// keeps only counts: per draw and category, and per run of a few hundred
// bets. The hits themselves are found again, from the nearest count, when
// they are asked for, so the memory a run needs depends on the bets, not on
// the hits (the whole classic game wins over a billion times in the 378
// classic draws). The hits are in the order bet by bet and, within one bet,
// in the order of the draws. Large runs are shared among the processors; the
// result does not depend on how many there are.
//
// The bets are not copied: they must stay unchanged as long as the results
// are read.
class TPrizeScan {
public:
    struct THit {
        int32_t Apuesta = 0;   // position of the bet
        int32_t Sorteo = 0;    // position of the draw
        int32_t Categoria = 0; // 1 to 13

        bool operator==(const THit &) const = default;
    };
    // Called now and then from the running thread with the bets done and
    // the bets in all; it may raise to stop the run (the results are then
    // empty).
    using TProgress = std::function<void(int64_t done, int64_t total)>;

    TPrizeScan();
    ~TPrizeScan();
    TPrizeScan(TPrizeScan &&) noexcept;
    TPrizeScan &operator=(TPrizeScan &&) noexcept;

    // Replaces the results. threads 0 means one per processor. Every draw has
    // 12 categories.
    void Run(std::span<const BetMask> bets, const std::vector<BetMask> &draws, unsigned threads = 0);
    // categoryCounts[j] is the number of categories of draw j: 13 makes 2+0
    // a hit of category 13; 12 (or a draw beyond the vector) leaves it none.
    void Run(std::span<const BetMask> bets, const std::vector<BetMask> &draws,
             const std::vector<uint8_t> &categoryCounts, unsigned threads = 0,
             const TProgress &progress = {});
    void Clear();

    uint64_t Count() const { return total_; }
    // Raises EListError for an index not below Count().
    THit Hit(uint64_t index) const;
    // Up to count hits from index first on, in order; fewer at the end.
    // Raises EListError for a first beyond Count().
    std::vector<THit> Hits(uint64_t first, size_t count) const;
    // Every hit in order, without keeping them.
    void ForEachHit(const std::function<void(const THit &)> &visit) const;
    // Number of hits of one draw in one category (1 to 13).
    uint64_t HitsOf(size_t draw, int categoria) const;

private:
    struct TCache;
    // The hits of the bets of chunk k, found again.
    void ScanChunk(size_t chunk, std::vector<THit> &hits) const;

    std::span<const BetMask> bets_;
    std::vector<BetMask> draws_;
    std::vector<uint64_t> chunkStart_;      // hits before each chunk of bets, and the total last
    std::vector<uint64_t> perDrawCategory_; // draw * 13 + category - 1
    uint64_t total_ = 0;
    std::unique_ptr<TCache> cache_; // the chunk last found again
};
