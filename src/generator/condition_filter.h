#pragma once

#include "model/bet_mask.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

// One group condition in the form the generation run evaluates: the group as
// a mask of the block's bits and the inclusive bounds on the coinciding
// values' count, sum, even count and odd count.
struct TMaskCondition {
    bool active = true;
    int block = 1; // 1 numbers, 2 stars
    BetMask group = 0;
    int32_t sumMin = 0, sumMax = 240;
    int32_t hitsMin = 0, hitsMax = 5;
    int32_t evenMin = 0, evenMax = 5;
    int32_t oddMin = 0, oddMax = 5;

    bool Holds(BetMask bet) const;
};

// The verdict of a list of conditions on candidate bets: every condition is
// evaluated for every bet (active or not), each counts the bets it passed,
// and the bet is accepted when every active condition holds.
//
// A condition looks at one block only, so the walk may evaluate the
// conditions once per set of five numbers and once per pair of stars and
// combine the two as bit sets of the conditions that hold (PassBits), for
// lists of up to 64 conditions.
class TConditionFilter {
public:
    static constexpr size_t kMaxBitConditions = 64;

    TConditionFilter() = default;
    explicit TConditionFilter(std::vector<TMaskCondition> conditions);

    bool Empty() const { return conditions_.empty(); }
    size_t Count() const { return conditions_.size(); }

    bool Accepts(BetMask bet)
    {
        bool accepted = true;
        for (size_t i = 0; i < conditions_.size(); ++i) {
            if (conditions_[i].Holds(bet))
                ++passed_[i];
            else if (conditions_[i].active)
                accepted = false;
        }
        return accepted;
    }

    bool UsesPassBits() const { return conditions_.size() <= kMaxBitConditions; }
    // Bit i set when condition i, a condition on the given block, holds for
    // the values (the bet's numbers for block 1, its stars for block 2).
    uint64_t PassBits(int block, BetMask values) const;
    // The verdict for a bet whose conditions hold as the bits say, counted
    // as Accepts counts.
    bool AcceptsPassBits(uint64_t passBits)
    {
        if (!patternCounts_.empty())
            ++patternCounts_[passBits];
        else
            for (uint64_t bits = passBits; bits; bits &= bits - 1)
                ++passed_[static_cast<size_t>(std::countr_zero(bits))];
        return (activeBits_ & ~passBits) == 0;
    }

    // Bets that condition i passed so far.
    int64_t Passed(size_t i) const;

private:
    // Short lists count each combination of verdicts instead of each
    // condition: one increment per bet.
    static constexpr size_t kMaxPatternConditions = 10;

    std::vector<TMaskCondition> conditions_;
    std::vector<int64_t> passed_;
    std::vector<int64_t> patternCounts_;
    uint64_t activeBits_ = 0;
};
