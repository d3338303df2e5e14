#pragma once

#include "model/bet_mask.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// What a combination guarantees over a selection: every draw whose five
// numbers lie in the selection's numbers and whose two stars lie in its
// stars, classed by the best prize category any bet of the combination wins
// against it.

// "No prize" ranks after the categories: in the classic game after the
// twelve (1 = 5+2 ... 12 = 2+1), today after the thirteen (13 = 2+0).
inline constexpr int kSinPremio = 13;
inline constexpr int kGuaranteeRows = 13;
// Rows of today's game: thirteen categories and "no prize".
inline constexpr int kMostGuaranteeRows = 14;
// Most example draws of the worst case a report keeps.
inline constexpr size_t kMaxGuaranteeHoles = 10;

// Draws counted by their best category.
struct TGuaranteeTable {
    int64_t Draws = 0;
    // The game's prize categories: 12 classic, 13 today.
    int Categories = 12;
    // Row c-1 counts the draws whose best category is c (1 to Categories);
    // row Categories those that win nothing; rows after it stay 0.
    std::array<int64_t, kMostGuaranteeRows> PerCategory{};

    // The category that stands for "no prize": kSinPremio classic, 14 today.
    int SinPremio() const { return Categories + 1; }
    // The worst best category over the draws: 1 to Categories or SinPremio();
    // 0 when there is no draw.
    int Guaranteed() const;
    // Draws of category 1 to SinPremio(); 0 outside.
    int64_t Count(int categoria) const;
    // Their share of Draws, 0 to 100; 0 when there is no draw.
    double Percent(int categoria) const;
    bool operator==(const TGuaranteeTable &) const = default;
};

// The table of the draws that hit exactly Hits of the selection's numbers
// (the others lie outside the selection, anywhere in 1 to 50) and both of
// whose stars lie in the selection's stars.
struct TGuaranteeByHits {
    int Hits = 0;
    TGuaranteeTable Table;
    bool operator==(const TGuaranteeByHits &) const = default;
};

// What a combination wins over every draw of the game (or of a smaller game
// made of some of its numbers and stars), not only those within a selection.
struct TGuaranteeOdds {
    // Every draw of the game by its best category; no draw when not worked
    // out.
    TGuaranteeTable Best;
    int64_t Bets = 0;
    // Entry c-1: over every draw, how many times a bet wins category c (each
    // bet counts, not only the best one).
    std::array<int64_t, kMostGuaranteeRows> BetWins{};

    // The draws per draw of the category (or "no prize"): the N of "1 in N";
    // 0 when no draw is of it.
    double OneIn(int categoria) const;
    // The share (0 to 1) of the draws in which some bet wins a prize.
    double AnyPrize() const;
    // Bets that win some prize in one draw, on average over the draws.
    double ExpectedWinningBets() const;
    bool operator==(const TGuaranteeOdds &) const = default;
};

struct TGuaranteeReport {
    BetMask Selection = 0;
    TGuaranteeTable All;
    // Up to kMaxGuaranteeHoles draws whose best category is All.Guaranteed(),
    // in the generator's enumeration order (pairs of stars outer, sets of
    // five numbers inner, both lexicographic).
    std::vector<BetMask> Holes;
    // Hits 5, 4 and 3 when the selection holds more than 5 numbers; empty
    // otherwise. Hits 5 is All again.
    std::vector<TGuaranteeByHits> ByHits;
    // Over every draw of the game, when asked for (Best.Draws 0 otherwise).
    TGuaranteeOdds Odds;
    // The analysis was stopped: the tables are incomplete.
    bool Cancelled = false;
    bool operator==(const TGuaranteeReport &) const = default;
};

// "5+2" ... "2+1" (or "2+0" today) for categories 1 to categories, "none"
// for categories + 1, empty otherwise.
std::string GuaranteeCategoryText(int categoria, int categories = 12);

// The default selection: every number and star that appears in some bet.
BetMask SelectionOfBets(const std::vector<BetMask> &bets);

// Draws of the selection: C(numbers, 5) x C(stars, 2).
int64_t GuaranteeDrawCount(BetMask selection);
// Draws hitting exactly hits of the selection's numbers:
// C(numbers, hits) x C(50 - numbers, 5 - hits) x C(stars, 2).
int64_t GuaranteeDrawCount(BetMask selection, int hits);
