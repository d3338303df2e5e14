#pragma once

#include "generator/guarantee_marks.h"
#include "generator/guarantee_report.h"
#include "model/bet_mask.h"
#include "model/game_rules.h"
#include "model/progress_throttle.h"

#include <cstdint>
#include <functional>
#include <vector>

// Computes the guarantee report of a combination over a selection exactly,
// without comparing each draw with each bet: the bets' keys are marked once
// (TGuaranteeMarks), then each set of five numbers settles at once the pairs
// of stars that make it a bet of the combination, and reads the words of its
// 31 subsets for the best category of the other pairs.
//
// The odds over every draw of the game come from the same words: a draw's
// numbers and stars that no bet uses change nothing, so the draws are
// grouped by what they share with the numbers S and the stars SS the bets
// use. A set of j numbers of S and k stars of SS stands for
// C(numbers - |S|, 5 - j) x C(stars - |SS|, 2 - k) draws, counted exactly.
//
// The draws are shared among the processors in blocks; the report does not
// depend on how many there are. Progress and cancellation are asked on the
// calling thread only, between blocks (and between chunks of bets while
// their keys are marked).
class TGuaranteeAnalyser {
public:
    // Draws settled so far and draws in all (every table counted). Called at
    // most every 250 ms, the start included, and once at the end.
    using ProgressFn = std::function<void(int64_t done, int64_t total)>;
    // Asked after each report; true stops the analysis (Cancelled report).
    using CancelFn = std::function<bool()>;

    ProgressFn OnProgress;
    CancelFn ShouldCancel;
    // Bets marked so far and bets in all, while the bets' keys are marked
    // (seconds for millions of bets), at most every 250 ms; ShouldCancel is
    // asked after each such report too.
    ProgressFn OnMarking;

    // 0: one thread per processor.
    void SetThreads(unsigned threads) { threads_ = threads; }
    void SetTickSource(TTickSource clock) { clock_ = std::move(clock); }
    // The game the bets are of: its stars and its prize categories (classic
    // until set).
    void SetEdition(TGameEdition edition) { edition_ = edition; }
    TGameEdition Edition() const { return edition_; }
    // How the bets' keys are marked; the report does not depend on it.
    void SetMarking(TMarking marking) { marking_ = marking; }
    // Analyse also works out the odds over every draw of the game (off
    // until set).
    void SetWithOdds(bool withOdds) { withOdds_ = withOdds; }

    // selection 0 means the numbers and stars of the bets; stars the edition
    // lacks are left out of it. A selection with
    // fewer than 5 numbers or 2 stars gives tables without draws. The bets
    // are simple bets (at most 5 numbers and 2 stars); an empty bet wins
    // nothing.
    TGuaranteeReport Analyse(const std::vector<BetMask> &bets, BetMask selection = 0) const;

    // The odds over every draw of a game made of the universe's numbers and
    // stars (0: every number and star of the edition). Values of the bets
    // outside it hit nothing. A universe of fewer than 5 numbers or 2 stars
    // has no draw. Cancelled when stopped: Best.Draws is then 0.
    TGuaranteeOdds Odds(const std::vector<BetMask> &bets, BetMask universe = 0) const;

private:
    template <typename Layout>
    TGuaranteeReport AnalyseWith(const std::vector<BetMask> &bets, BetMask selection, bool withOdds,
                                 BetMask universe) const;

    TGameEdition edition_ = TGameEdition::Classic;
    TMarking marking_ = TMarking::Auto;
    bool withOdds_ = false;
    unsigned threads_ = 0;
    TTickSource clock_ = SystemTickCount;
};
