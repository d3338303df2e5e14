#include "generator/condition_filter.h"

#include "model/game_rules.h"

#include <bit>

namespace {

// Bits of the even values: numbers 2, 4, ... 50 and stars 2, 4, ... 12.
constexpr BetMask EvenValueBits()
{
    BetMask mask = 0;
    for (int n = 2; n <= 50; n += 2)
        mask |= NumberBit(n);
    for (int s = 2; s <= kMostStars; s += 2)
        mask |= StarBit(s);
    return mask;
}

constexpr BetMask kEvenValueBits = EvenValueBits();

} // namespace

bool TMaskCondition::Holds(BetMask bet) const
{
    const BetMask blockBits = block == 1 ? kNumberBits : kAnyStarBits;
    const int firstBit = block == 1 ? 0 : kStarShift;
    const BetMask coinciding = bet & group & blockBits;
    const int hits = std::popcount(coinciding);
    if (hits < hitsMin || hits > hitsMax)
        return false;
    int32_t sum = 0;
    for (BetMask bits = coinciding; bits; bits &= bits - 1)
        sum += std::countr_zero(bits) - firstBit + 1;
    if (sum < sumMin || sum > sumMax)
        return false;
    const int even = std::popcount(coinciding & kEvenValueBits);
    if (even < evenMin || even > evenMax)
        return false;
    const int odd = hits - even;
    return odd >= oddMin && odd <= oddMax;
}

TConditionFilter::TConditionFilter(std::vector<TMaskCondition> conditions)
    : conditions_(std::move(conditions)), passed_(conditions_.size(), 0)
{
    if (conditions_.size() <= kMaxPatternConditions)
        patternCounts_.assign(size_t{1} << conditions_.size(), 0);
    for (size_t i = 0; i < conditions_.size() && i < kMaxBitConditions; ++i)
        if (conditions_[i].active)
            activeBits_ |= uint64_t{1} << i;
}

uint64_t TConditionFilter::PassBits(int block, BetMask values) const
{
    uint64_t bits = 0;
    for (size_t i = 0; i < conditions_.size() && i < kMaxBitConditions; ++i)
        if (conditions_[i].block == block && conditions_[i].Holds(values))
            bits |= uint64_t{1} << i;
    return bits;
}

int64_t TConditionFilter::Passed(size_t i) const
{
    int64_t passed = passed_[i];
    for (size_t pattern = 0; pattern < patternCounts_.size(); ++pattern)
        if (pattern & (size_t{1} << i))
            passed += patternCounts_[pattern];
    return passed;
}
