#pragma once

#include "generator/condition_filter.h"
#include "generator/coverage_index.h"
#include "model/bet_mask.h"
#include "model/progress_throttle.h"

#include <cstdint>
#include <functional>
#include <vector>

// The generation walk over masks: every simple bet of a selection in the
// generator's fixed order, counted, filtered by the conditions, and, when a
// coverage index is given, kept only when no bet kept before covers it
// (the earlier candidate wins). Kept bets collect in Pending() in the order
// they were kept; the owner moves them out whenever it likes.
class TGenerationEngine {
public:
    // Called when a progress report is due, right after the candidate was
    // counted and before it is judged. Returns true to stop the walk once
    // that candidate has been handled.
    using ReportFn = std::function<bool()>;

    // filter and coverage may be null (no conditions, no reduction); both
    // must outlive the engine.
    TGenerationEngine(BetMask selection, TConditionFilter *filter, TCoverageIndex *coverage);

    // Receives the pending kept bets whenever a batch is full; it must move
    // them out (and may leave the vector empty). Without one they all wait.
    using FlushFn = std::function<void(std::vector<BetMask> &pending)>;
    void SetFlush(FlushFn flush) { flush_ = std::move(flush); }

    // Walks every candidate unless the report asks to stop; returns true when
    // the walk was stopped that way.
    bool Run(TProgressThrottle &throttle, const ReportFn &report);

    int32_t Generated() const { return generated_; }
    int32_t Valid() const { return valid_; }
    BetMask LastCandidate() const { return lastCandidate_; }
    std::vector<BetMask> &Pending() { return pending_; }

private:
    template <bool kFilter, bool kCoverage> bool Walk(TProgressThrottle &throttle, const ReportFn &report);
    template <bool kFilter, bool kCoverage> void Judge(BetMask candidate, uint64_t passBits);
    void Keep(BetMask candidate)
    {
        pending_.push_back(candidate);
        if (pending_.size() >= kBatch && flush_)
            flush_(pending_);
    }

    static constexpr size_t kBatch = size_t{1} << 16;

    BetMask selection_;
    TConditionFilter *filter_;
    TCoverageIndex *coverage_;
    bool usePassBits_;
    int32_t generated_ = 0;
    int32_t valid_ = 0;
    BetMask lastCandidate_ = 0;
    std::vector<BetMask> pending_;
    FlushFn flush_;
};
