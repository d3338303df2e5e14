#pragma once

#include "generator/cover_rule.h"
#include "model/bet_mask.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class TEuroMillonGeneraComb;

// The covering problem behind a reduction, held for fast local search: the
// valid candidates of a generation (every simple bet of the selection that
// passes the conditions, in the generation's order), numbered from 0, and
// for each the candidates it covers (itself included). Since the cover rule
// is symmetric, the same list names the candidates that cover it.
class TReductionProblem {
public:
    // Bounds on the memory the problem may take.
    struct Limits {
        int64_t maxSelectionBets = 4'000'000; // a 4-byte slot per simple bet of the selection
        int64_t maxCoverEntries = 64'000'000; // 4 bytes per entry of the cover lists
    };

    // Builds the problem of the settings' selection, conditions and
    // reduction. Returns null when no reduction applies or when the problem
    // would exceed the limits; the settings are not changed (the conditions'
    // counters included).
    static std::unique_ptr<TReductionProblem> Build(const TEuroMillonGeneraComb &settings,
                                                    const Limits &limits);
    static std::unique_ptr<TReductionProblem> Build(const TEuroMillonGeneraComb &settings)
    {
        return Build(settings, Limits{});
    }

    const TCoverRule &Rule() const { return rule_; }
    int32_t Count() const { return static_cast<int32_t>(masks_.size()); }
    BetMask Mask(int32_t candidate) const { return masks_[static_cast<size_t>(candidate)]; }
    // The candidates this one covers and is covered by, itself included.
    std::span<const int32_t> Covered(int32_t candidate) const
    {
        const auto c = static_cast<size_t>(candidate);
        return {coverLists_.data() + coverStart_[c], coverLists_.data() + coverStart_[c + 1]};
    }
    // The candidate number of a bet, or -1 when the bet is not a valid
    // candidate (outside the selection, rejected by the conditions, not a
    // simple bet).
    int32_t IndexOf(BetMask bet) const;
    // Memory held, in bytes.
    size_t Bytes() const;

private:
    TReductionProblem() = default;
    int64_t SelectionRank(BetMask bet) const; // -1 outside the selection
    void BuildCoverLists(int64_t mostEntries);

    TCoverRule rule_;
    BetMask selection_ = 0;
    int64_t quintets_ = 0;          // C(selected numbers, 5)
    int8_t positionOfBit_[64] = {}; // value's place within its block of the selection, -1 if not selected
    std::vector<BetMask> masks_;
    std::vector<int32_t> indexOfRank_; // per simple bet of the selection: candidate number or -1
    std::vector<int64_t> coverStart_;
    std::vector<int32_t> coverLists_;
};
