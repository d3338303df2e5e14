#include "generator/generation_engine.h"

#include "generator/mask_enumeration.h"

TGenerationEngine::TGenerationEngine(BetMask selection, TConditionFilter *filter, TCoverageIndex *coverage)
    : selection_(selection), filter_(filter && !filter->Empty() ? filter : nullptr), coverage_(coverage)
{
}

bool TGenerationEngine::Run(TProgressThrottle &throttle, const ReportFn &report)
{
    if (filter_)
        return coverage_ ? Walk<true, true>(throttle, report) : Walk<true, false>(throttle, report);
    return coverage_ ? Walk<false, true>(throttle, report) : Walk<false, false>(throttle, report);
}

template <bool kFilter, bool kCoverage> inline void TGenerationEngine::Judge(BetMask candidate)
{
    if constexpr (kFilter) {
        if (!filter_->Accepts(candidate))
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
    for (BetMask pair : pairs) {
        for (BetMask quintet : quintets) {
            const BetMask candidate = quintet | pair;
            ++generated_;
            if (throttle.Due()) {
                lastCandidate_ = candidate;
                const bool stop = report && report();
                throttle.Reported();
                if (stop) {
                    // The candidate that was reported is still judged.
                    Judge<kFilter, kCoverage>(candidate);
                    return true;
                }
            }
            Judge<kFilter, kCoverage>(candidate);
        }
    }
    if (!pairs.empty() && !quintets.empty())
        lastCandidate_ = quintets.back() | pairs.back();
    return false;
}
