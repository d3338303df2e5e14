#pragma once

#include "generator/reduction_problem.h"
#include "model/bet_mask.h"

#include <cstdint>
#include <vector>

// Local search for a smaller cover of a reduction problem: simulated
// annealing on the count of uncovered candidates with the number of bets
// fixed. Whenever every candidate is covered, the cover is recorded as the
// best and the bet whose removal uncovers the fewest candidates is dropped,
// so the search goes on one bet smaller.
//
// A move takes an uncovered candidate and a kept bet that is one value away
// from covering it, and changes that value so that it does; a move that
// would leave the valid candidates takes instead a random bet covering the
// candidate. Each candidate's count of covering bets and the list of
// uncovered ones are kept up to date, so judging a move costs one pass over
// the cover lists of the two bets, not a scan of the problem.
//
// The same problem, start and seed give the same sequence of states.
class TCoverSearch {
public:
    struct Tuning {
        double startTemperature = 0.7;
        double cooling = 0.999; // factor applied every `stepsPerTemperature` moves
        uint32_t stepsPerTemperature = 100;
        double coldestTemperature = 0.12; // below it the temperature starts again
    };

    // start: a complete cover, as candidate numbers without repeats.
    TCoverSearch(const TReductionProblem &problem, const std::vector<int32_t> &start, uint64_t seed,
                 const Tuning &tuning);
    TCoverSearch(const TReductionProblem &problem, const std::vector<int32_t> &start, uint64_t seed)
        : TCoverSearch(problem, start, seed, Tuning{})
    {
    }

    // One move, or, with everything covered, recording the cover and
    // dropping a bet. Does nothing once Finished().
    void Step();
    // No smaller cover can exist (one bet, or no candidate at all).
    bool Finished() const { return best_.size() <= 1; }

    // The smallest complete cover found so far (the start at first).
    const std::vector<int32_t> &Best() const { return best_; }
    uint64_t Steps() const { return steps_; }
    size_t Uncovered() const { return uncovered_.size(); }

private:
    uint64_t NextRandom();
    uint64_t Below(uint64_t bound) { return bound ? NextRandom() % bound : 0; }
    double UnitRandom() { return static_cast<double>(NextRandom() >> 11) * 0x1.0p-53; }

    void Anneal();
    bool OneValueAway(BetMask kept, BetMask target) const;
    int32_t MoveTowards(BetMask kept, BetMask target);
    int64_t Loss(int32_t kept) const;
    int64_t ReplaceDelta(int32_t out, int32_t in) const;
    void Replace(size_t slot, int32_t in);
    void Insert(int32_t candidate);
    void RemoveSlot(size_t slot);
    void DropOne();
    void Cover(int32_t candidate);
    void Uncover(int32_t candidate);

    const TReductionProblem &problem_;
    Tuning tuning_;
    uint64_t rng_[4] = {};
    uint64_t steps_ = 0;
    double temperature_ = 0;
    uint32_t stepsAtTemperature_ = 0;

    std::vector<int32_t> kept_;           // the current bets
    std::vector<BetMask> keptMasks_;      // their masks, scanned for every move
    std::vector<int32_t> slotOf_;         // per candidate: place in kept_, or -1
    std::vector<int32_t> coverCount_;     // per candidate: kept bets covering it
    std::vector<int32_t> uncovered_;      // candidates no kept bet covers
    std::vector<int32_t> uncoveredPlace_; // per candidate: place in uncovered_, or -1
    std::vector<int32_t> best_;
};
