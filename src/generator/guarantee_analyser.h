#pragma once

#include "generator/guarantee_report.h"
#include "model/progress_throttle.h"
#include "model/bet_mask.h"
#include "model/game_rules.h"

#include <cstdint>
#include <functional>
#include <vector>

// Computes the guarantee report of a combination over a selection exactly,
// without comparing each draw with each bet: the bets' keys are marked once
// (TGuaranteeMarks), then each set of five numbers reads the words of its 31
// subsets and settles the best category of every pair of stars at once.
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

    // selection 0 means the numbers and stars of the bets; stars the edition
    // lacks are left out of it. A selection with
    // fewer than 5 numbers or 2 stars gives tables without draws. The bets
    // are simple bets (at most 5 numbers and 2 stars); an empty bet wins
    // nothing.
    TGuaranteeReport Analyse(const std::vector<BetMask> &bets, BetMask selection = 0) const;

private:
    template <typename Layout>
    TGuaranteeReport AnalyseWith(const std::vector<BetMask> &bets, BetMask selection) const;

    TGameEdition edition_ = TGameEdition::Classic;
    unsigned threads_ = 0;
    TTickSource clock_ = SystemTickCount;
};
