#pragma once

#include "model/bet_mask.h"
#include "model/game_rules.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <type_traits>
#include <vector>

// How the words of TGuaranteeMarks are laid out for a game of `Stars` stars:
//   bits 0 to kPairs-1        star pair p (pairs numbered in lexicographic
//                             order), 36 pairs in the classic game, 66 today;
//   the next Stars bits       star s-1;
//   the bit after them        the key without stars.
// The classic game fits a 64-bit word; today's game needs 79 bits.
template <int Stars> struct TMarkLayout {
    static constexpr int kStars = Stars;
    static constexpr int kPairs = Stars * (Stars - 1) / 2;
    static constexpr int kStarBitsShift = kPairs;
    static constexpr int kAnyBit = kPairs + Stars;
    using Word = std::conditional_t<(kAnyBit < 64), uint64_t, unsigned __int128>;
    static constexpr Word kPairBits = (Word{1} << kPairs) - 1;
    static constexpr unsigned kStarSetBits = (1u << Stars) - 1;
};

using TClassicMarkLayout = TMarkLayout<9>;
using TCurrentMarkLayout = TMarkLayout<12>;

// The keys of a combination's bets for the guarantee analysis, packed by
// their numbers. For every set K of 1 to 5 numbers there is one word saying
// which keys made of K and some stars belong to a bet (layout above):
//   the any bit       some bet holds K (key K + no star);
//   star bit s-1      some bet holds K and star s (key K + one star);
//   pair bit p        some bet holds K and both stars of pair p (key K +
//                     two stars).
// A draw's keys for the category "n numbers + s stars" are then read from the
// words of its n-subsets: the draw wins at least that category against some
// bet exactly when one of its keys is marked.
//
// Two ways give the same words. Marking every subset of every bet costs 31
// writes a bet, seconds for tens of millions of bets. Instead a complete bet
// (5 numbers, 2 stars) may set one bit of a table indexed by its rank among
// all simple bets (C(50, 5) x pairs bits: 9.5 MB classic, 17.5 MB today); the
// words of the sets of five are then read from that table and each smaller
// set takes the OR of the words of the sets one larger that hold it, a fixed
// cost whatever the number of bets. Other bets are marked subset by subset.
enum class TMarking {
    Auto,      // by rank for many bets, by subsets for few
    ByRank,    // complete bets through the rank table
    BySubsets, // every subset of every bet
};

// The bets as the marking saw them: every number and star they hold, and
// how many hold n numbers (7 for more) and s stars, Sizes[n][s].
struct TBetCensus {
    BetMask Values = 0;
    std::array<std::array<int64_t, kMostStars + 1>, 8> Sizes{};
};

template <typename Layout> class TGuaranteeMarks {
public:
    using Word = typename Layout::Word;

    // Marks every key of every bet; threads 0 means one per processor. The
    // words depend neither on the number of threads nor on the marking. The
    // bets hold no star above Layout::kStars.
    // Told how many bets are marked, every so many, on the calling thread;
    // returning true stops the marking (the words are then incomplete).
    using PauseFn = std::function<bool(size_t done, size_t total)>;

    explicit TGuaranteeMarks(const std::vector<BetMask> &bets, unsigned threads = 1,
                             const PauseFn &pause = {}, TMarking marking = TMarking::Auto);

    // False when the pause stopped the marking.
    bool Complete() const { return complete_; }

    // For a set of up to five numbers (the lowest five of the mask), the OR
    // of the words of its subsets of each size: bySize[n] for n = 1 to 5
    // (0 for sizes the set cannot hold, and for n = 0).
    void Collect(BetMask numbers, std::array<Word, 6> &bySize) const;
    // The word of a set of exactly five numbers: a draw of these numbers and
    // a pair set in it is itself a bet of the combination. 0 for a set of
    // another size.
    Word Quintet(BetMask numbers) const;

    // Index of the star pair (a < b) in lexicographic order, 0 to kPairs-1.
    static int PairIndex(int lowStar, int highStar);
    // The pairs (as pair bits) that hold at least one of the stars of a star
    // set (bit s-1 for star s).
    static Word PairsWithAnyStar(unsigned starSet);
    // The pairs made of two stars of a star set.
    static Word PairsWithin(unsigned starSet);

    size_t Bytes() const;
    // How the words were made (Auto resolved).
    TMarking Marking() const { return marking_; }
    const TBetCensus &Census() const { return census_; }
    // Same words (whatever the marking).
    bool SameWords(const TGuaranteeMarks &other) const { return words_ == other.words_; }

private:
    void MarkBySubsets(const std::vector<BetMask> &bets, unsigned threads, const PauseFn &pause);
    void MarkByRank(const std::vector<BetMask> &bets, unsigned threads, const PauseFn &pause);
    void Mark(const std::vector<BetMask> &bets, size_t first, size_t last, unsigned sizes);
    void Mark(BetMask bet);
    // Every word of sets of n numbers ORed into the words of its subsets of
    // n - 1 numbers, from the sets of five down to single numbers.
    void CloseDownwards();

    // words_[n] is indexed by the colexicographic rank of the n-subset of the
    // mirrored values (number v as 50 - v), so that the sets of five of a
    // lexicographic walk read words close to each other.
    std::array<std::vector<Word>, 6> words_;
    bool complete_ = true;
    TBetCensus census_;
    TMarking marking_ = TMarking::BySubsets;
};

extern template class TGuaranteeMarks<TClassicMarkLayout>;
extern template class TGuaranteeMarks<TCurrentMarkLayout>;
