#include "generator/reduction_optimizer.h"

#include "generator/genera_comb.h"
#include "generator/reduction_problem.h"
#include "generator/reduction_verifier.h"
#include "model/euromillon_apuestas.h"
#include "model/update_bracket.h"

#include <algorithm>
#include <chrono>
#include <stdexcept>

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kReportSeconds = 0.25;
constexpr uint64_t kStepsBetweenChecks = 256;
// The verifier compares each valid candidate with the bets one by one, as
// CumpleReduccion does; beyond this many comparisons (a few seconds) the
// problem counts as too large, and so does the search's scan of the bets.
constexpr int64_t kMostVerifiedPairs = 2'000'000'000;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Bets in the generation's order, which is the order of candidate numbers.
std::vector<BetMask> MasksOf(const TReductionProblem &problem, std::vector<int32_t> candidates)
{
    std::sort(candidates.begin(), candidates.end());
    std::vector<BetMask> masks;
    masks.reserve(candidates.size());
    for (int32_t c : candidates)
        masks.push_back(problem.Mask(c));
    return masks;
}

// Runs the search until the budget, the move limit or a stop request; true
// when stopped by request.
bool Search(TCoverSearch &search, const TOptimizeOptions &options, TOptimizeProgress &progress,
            Clock::time_point start)
{
    auto report = [&] {
        progress.best = static_cast<int32_t>(search.Best().size());
        progress.steps = search.Steps();
        progress.seconds = SecondsSince(start);
        return options.onProgress && options.onProgress(progress);
    };
    if (report())
        return true;
    double lastReport = SecondsSince(start);
    while (!search.Finished()) {
        uint64_t steps = kStepsBetweenChecks;
        if (options.maxSteps)
            steps = std::min(steps, options.maxSteps - std::min(options.maxSteps, search.Steps()));
        if (steps == 0)
            break;
        const size_t bestBefore = search.Best().size();
        for (uint64_t i = 0; i < steps && !search.Finished(); ++i)
            search.Step();
        if (options.cancel && options.cancel->load(std::memory_order_relaxed))
            return true;
        const double now = SecondsSince(start);
        if (now >= options.seconds)
            break;
        if (search.Best().size() < bestBefore || now - lastReport >= kReportSeconds) {
            lastReport = now;
            if (report())
                return true;
        }
    }
    return false;
}

} // namespace

TOptimizeResult OptimizeReduction(const TEuroMillonGeneraComb &settings, const std::vector<BetMask> &greedy,
                                  const TOptimizeOptions &options)
{
    const Clock::time_point start = Clock::now();
    TOptimizeResult result;
    result.greedy = static_cast<int32_t>(greedy.size());
    result.bets = greedy;
    if (!settings.ReduccionAplica()) {
        result.status = TOptimizeStatus::kNoReduction;
        return result;
    }
    const std::unique_ptr<TReductionProblem> problem = TReductionProblem::Build(settings);
    if (!problem || int64_t{problem->Count()} * static_cast<int64_t>(greedy.size()) > kMostVerifiedPairs) {
        result.status = TOptimizeStatus::kTooLarge;
        return result;
    }
    std::vector<int32_t> startCover;
    startCover.reserve(greedy.size());
    for (BetMask bet : greedy) {
        const int32_t candidate = problem->IndexOf(bet);
        if (candidate < 0)
            throw std::invalid_argument("a greedy bet is not a valid candidate");
        startCover.push_back(candidate);
    }

    TCoverSearch search(*problem, startCover, options.seed, options.tuning);
    TOptimizeProgress progress;
    progress.greedy = result.greedy;
    progress.budgetSeconds = options.seconds;
    result.cancelled = Search(search, options, progress, start);
    result.steps = search.Steps();
    result.bets = MasksOf(*problem, search.Best());
    result.verified = VerifyReduction(settings, result.bets).Completa();
    if (!result.verified) {
        result.status = TOptimizeStatus::kGreedyKept;
        result.bets = greedy;
        result.verified = VerifyReduction(settings, greedy).Completa();
    }
    result.seconds = SecondsSince(start);
    if (options.onProgress) {
        progress.best = static_cast<int32_t>(result.bets.size());
        progress.steps = result.steps;
        progress.seconds = result.seconds;
        options.onProgress(progress);
    }
    return result;
}

int32_t GenerarOptimizado(TEuroMillonGeneraComb &settings, const TOptimizeOptions &options,
                          TOptimizeResult *result)
{
    const int32_t greedy = settings.Generar();
    if (greedy == 0 || !settings.ReduccionAplica()) {
        if (result) {
            *result = TOptimizeResult{};
            result->status = TOptimizeStatus::kNoReduction;
            result->greedy = greedy;
        }
        return greedy;
    }
    TOptimizeResult optimized = OptimizeReduction(settings, settings.Apuestas().Masks(), options);
    const auto count = static_cast<int32_t>(optimized.bets.size());
    if (optimized.status == TOptimizeStatus::kOptimized || optimized.status == TOptimizeStatus::kGreedyKept) {
        // One change for the watchers, and the last bet current as after Generar.
        TEuroMillonApuestas &apuestas = settings.Apuestas();
        WithinUpdate(apuestas, [&] {
            apuestas.Clear();
            apuestas.AppendMasks(optimized.bets.data(), optimized.bets.size());
            if (count > 0)
                apuestas.SetCurrent(count - 1);
        });
    }
    if (result)
        *result = std::move(optimized);
    return count;
}
