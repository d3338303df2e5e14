#include "generator/generation_engine.h"

#include "generator/mask_enumeration.h"

TGenerationEngine::TGenerationEngine(BetMask selection, TConditionFilter *filter, TCoverageIndex *coverage)
    : selection_(selection), filter_(filter && !filter->Empty() ? filter : nullptr), coverage_(coverage),
      usePassBits_(filter_ && filter_->UsesPassBits())
{
}

bool TGenerationEngine::Run(TProgressThrottle &throttle, const ReportFn &report)
{
    if (filter_)
        return coverage_ ? Walk<true, true>(throttle, report) : Walk<true, false>(throttle, report);
    return coverage_ ? Walk<false, true>(throttle, report) : Walk<false, false>(throttle, report);
}

template <bool kFilter, bool kCoverage>
inline void TGenerationEngine::Judge(BetMask candidate, uint64_t passBits)
{
    if constexpr (kFilter) {
        if (!(usePassBits_ ? filter_->AcceptsPassBits(passBits) : filter_->Accepts(candidate)))
            return;
    }
    ++valid_;
    if constexpr (kCoverage) {
        if (coverage_->IsCovered(candidate))
            return;
        coverage_->Insert(candidate);
    }
    Keep(candidate);
}

template <bool kFilter, bool kCoverage>
bool TGenerationEngine::Walk(TProgressThrottle &throttle, const ReportFn &report)
{
    const std::vector<BetMask> quintets = NumberQuintetMasks(selection_);
    const std::vector<BetMask> pairs = StarPairMasks(selection_);
    // The verdicts on the numbers are the same under every pair of stars.
    std::vector<uint64_t> quintetPass;
    if (kFilter && usePassBits_ && !pairs.empty()) {
        quintetPass.reserve(quintets.size());
        for (BetMask quintet : quintets)
            quintetPass.push_back(filter_->PassBits(1, quintet));
    }
    for (BetMask pair : pairs) {
        const uint64_t pairPass = kFilter && usePassBits_ ? filter_->PassBits(2, pair) : 0;
        for (size_t q = 0; q < quintets.size(); ++q) {
            const BetMask candidate = quintets[q] | pair;
            const uint64_t passBits = quintetPass.empty() ? 0 : quintetPass[q] | pairPass;
            ++generated_;
            if (throttle.Due()) {
                lastCandidate_ = candidate;
                const bool stop = report && report();
                throttle.Reported();
                if (stop) {
                    // The candidate that was reported is still judged.
                    Judge<kFilter, kCoverage>(candidate, passBits);
                    return true;
                }
            }
            Judge<kFilter, kCoverage>(candidate, passBits);
        }
    }
    if (!pairs.empty() && !quintets.empty())
        lastCandidate_ = quintets.back() | pairs.back();
    return false;
}
