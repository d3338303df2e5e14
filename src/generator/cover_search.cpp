#include "generator/cover_search.h"

#include <bit>
#include <cmath>
#include <limits>

namespace {

uint64_t SplitMix64(uint64_t &state)
{
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// The n-th (0-based) set bit of a mask, as a one-bit mask.
BetMask NthBit(BetMask mask, uint64_t n)
{
    for (; n > 0; --n)
        mask &= mask - 1;
    return mask & (~mask + 1);
}

} // namespace

TCoverSearch::TCoverSearch(const TReductionProblem &problem, const std::vector<int32_t> &start, uint64_t seed,
                           const Tuning &tuning)
    : problem_(problem), tuning_(tuning), temperature_(tuning.startTemperature)
{
    for (uint64_t &word : rng_)
        word = SplitMix64(seed);
    const auto count = static_cast<size_t>(problem.Count());
    slotOf_.assign(count, -1);
    coverCount_.assign(count, 0);
    uncoveredPlace_.assign(count, -1);
    for (size_t c = 0; c < count; ++c)
        Uncover(static_cast<int32_t>(c));
    for (int32_t candidate : start)
        Insert(candidate);
    best_ = kept_;
}

// xoshiro256**: fast, and the same sequence on every platform.
uint64_t TCoverSearch::NextRandom()
{
    const uint64_t result = std::rotl(rng_[1] * 5, 7) * 9;
    const uint64_t t = rng_[1] << 17;
    rng_[2] ^= rng_[0];
    rng_[3] ^= rng_[1];
    rng_[1] ^= rng_[2];
    rng_[0] ^= rng_[3];
    rng_[2] ^= t;
    rng_[3] = std::rotl(rng_[3], 45);
    return result;
}

void TCoverSearch::Step()
{
    if (Finished())
        return;
    ++steps_;
    if (uncovered_.empty()) {
        if (kept_.size() < best_.size())
            best_ = kept_;
        if (!Finished())
            DropOne();
        return;
    }
    Anneal();
    if (++stepsAtTemperature_ >= tuning_.stepsPerTemperature) {
        stepsAtTemperature_ = 0;
        temperature_ *= tuning_.cooling;
        if (temperature_ < tuning_.coldestTemperature)
            temperature_ = tuning_.startTemperature;
    }
}

void TCoverSearch::Anneal()
{
    const int32_t target = uncovered_[Below(uncovered_.size())];
    const BetMask targetMask = problem_.Mask(target);
    // A kept bet one value away from the target, each equally likely.
    size_t slot = kept_.size();
    uint64_t seen = 0;
    for (size_t s = 0; s < keptMasks_.size(); ++s)
        if (OneValueAway(keptMasks_[s], targetMask) && Below(++seen) == 0)
            slot = s;
    int32_t in = slot < kept_.size() ? MoveTowards(keptMasks_[slot], targetMask) : -1;
    if (in < 0) {
        const auto covering = problem_.Covered(target);
        in = covering[Below(covering.size())];
        if (slot == kept_.size())
            slot = Below(kept_.size());
    }
    if (slotOf_[static_cast<size_t>(in)] >= 0)
        return;
    const int64_t delta = ReplaceDelta(kept_[slot], in);
    if (delta <= 0 || UnitRandom() < std::exp(-static_cast<double>(delta) / temperature_))
        Replace(slot, in);
}

bool TCoverSearch::OneValueAway(BetMask kept, BetMask target) const
{
    const TCoverRule &rule = problem_.Rule();
    const BetMask shared = kept & target;
    const int numbers = CountNumbers(shared);
    const int stars = CountStars(shared);
    if (rule.global)
        return numbers + stars + 1 == rule.total;
    return (numbers + 1 == rule.numbers && stars >= rule.stars) ||
           (numbers >= rule.numbers && stars + 1 == rule.stars);
}

// The kept bet with one of its values not in the target replaced by one of
// the target's values it lacks, of the same block: the candidate number of
// that bet, or -1 when it is not a valid candidate.
int32_t TCoverSearch::MoveTowards(BetMask kept, BetMask target)
{
    const TCoverRule &rule = problem_.Rule();
    const BetMask shared = kept & target;
    const uint64_t numberOut = static_cast<uint64_t>(5 - CountNumbers(shared));
    const uint64_t starOut = static_cast<uint64_t>(2 - CountStars(shared));
    uint64_t numberMoves = numberOut * numberOut;
    uint64_t starMoves = starOut * starOut;
    if (!rule.global) {
        if (CountNumbers(shared) >= rule.numbers)
            numberMoves = 0;
        else
            starMoves = 0;
    }
    const uint64_t pick = Below(numberMoves + starMoves);
    const BetMask block = pick < numberMoves ? kNumberBits : kAnyStarBits;
    const uint64_t out = pick < numberMoves ? numberOut : starOut;
    const uint64_t move = pick < numberMoves ? pick : pick - numberMoves;
    const BetMask leaving = NthBit(kept & ~target & block, move / out);
    const BetMask coming = NthBit(target & ~kept & block, move % out);
    return problem_.IndexOf(kept ^ leaving ^ coming);
}

// Candidates only this kept bet covers.
int64_t TCoverSearch::Loss(int32_t kept) const
{
    int64_t loss = 0;
    for (int32_t c : problem_.Covered(kept))
        loss += coverCount_[static_cast<size_t>(c)] == 1;
    return loss;
}

// Change of the uncovered count when the kept bet `out` gives way to `in`.
int64_t TCoverSearch::ReplaceDelta(int32_t out, int32_t in) const
{
    const TCoverRule &rule = problem_.Rule();
    const BetMask inMask = problem_.Mask(in);
    int64_t delta = 0;
    for (int32_t c : problem_.Covered(out))
        delta += coverCount_[static_cast<size_t>(c)] == 1 && !rule.Covers(inMask, problem_.Mask(c));
    const auto covered = problem_.Covered(in);
    if (uncovered_.size() < covered.size()) {
        for (int32_t c : uncovered_)
            delta -= rule.Covers(inMask, problem_.Mask(c));
    } else {
        for (int32_t c : covered)
            delta -= coverCount_[static_cast<size_t>(c)] == 0;
    }
    return delta;
}

void TCoverSearch::Replace(size_t slot, int32_t in)
{
    const int32_t out = kept_[slot];
    slotOf_[static_cast<size_t>(out)] = -1;
    for (int32_t c : problem_.Covered(out))
        if (--coverCount_[static_cast<size_t>(c)] == 0)
            Uncover(c);
    for (int32_t c : problem_.Covered(in))
        if (coverCount_[static_cast<size_t>(c)]++ == 0)
            Cover(c);
    kept_[slot] = in;
    keptMasks_[slot] = problem_.Mask(in);
    slotOf_[static_cast<size_t>(in)] = static_cast<int32_t>(slot);
}

void TCoverSearch::Insert(int32_t candidate)
{
    if (slotOf_[static_cast<size_t>(candidate)] >= 0)
        return;
    slotOf_[static_cast<size_t>(candidate)] = static_cast<int32_t>(kept_.size());
    kept_.push_back(candidate);
    keptMasks_.push_back(problem_.Mask(candidate));
    for (int32_t c : problem_.Covered(candidate))
        if (coverCount_[static_cast<size_t>(c)]++ == 0)
            Cover(c);
}

void TCoverSearch::RemoveSlot(size_t slot)
{
    const int32_t out = kept_[slot];
    for (int32_t c : problem_.Covered(out))
        if (--coverCount_[static_cast<size_t>(c)] == 0)
            Uncover(c);
    const size_t last = kept_.size() - 1;
    if (slot != last) {
        kept_[slot] = kept_[last];
        keptMasks_[slot] = keptMasks_[last];
        slotOf_[static_cast<size_t>(kept_[slot])] = static_cast<int32_t>(slot);
    }
    kept_.pop_back();
    keptMasks_.pop_back();
    slotOf_[static_cast<size_t>(out)] = -1;
}

// Drops the kept bet that alone covers the fewest candidates (the first
// such in a random rotation, so ties do not always fall the same way).
void TCoverSearch::DropOne()
{
    size_t bestSlot = 0;
    int64_t bestLoss = std::numeric_limits<int64_t>::max();
    const size_t first = Below(kept_.size());
    for (size_t i = 0; i < kept_.size(); ++i) {
        const size_t slot = (first + i) % kept_.size();
        const int64_t loss = Loss(kept_[slot]);
        if (loss < bestLoss) {
            bestLoss = loss;
            bestSlot = slot;
        }
    }
    RemoveSlot(bestSlot);
    temperature_ = tuning_.startTemperature;
    stepsAtTemperature_ = 0;
}

void TCoverSearch::Cover(int32_t candidate)
{
    const auto place = static_cast<size_t>(uncoveredPlace_[static_cast<size_t>(candidate)]);
    const int32_t last = uncovered_.back();
    uncovered_[place] = last;
    uncoveredPlace_[static_cast<size_t>(last)] = static_cast<int32_t>(place);
    uncovered_.pop_back();
    uncoveredPlace_[static_cast<size_t>(candidate)] = -1;
}

void TCoverSearch::Uncover(int32_t candidate)
{
    uncoveredPlace_[static_cast<size_t>(candidate)] = static_cast<int32_t>(uncovered_.size());
    uncovered_.push_back(candidate);
}
