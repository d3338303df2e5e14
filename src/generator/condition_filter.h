#pragma once

#include "model/bet_mask.h"

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
class TConditionFilter {
public:
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

    // Bets that condition i passed so far.
    int64_t Passed(size_t i) const { return passed_[i]; }

private:
    std::vector<TMaskCondition> conditions_;
    std::vector<int64_t> passed_;
};
