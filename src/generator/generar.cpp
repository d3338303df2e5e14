#include "generator/genera_comb.h"

#include "generator/condition_filter.h"
#include "generator/coverage_index.h"
#include "generator/generation_engine.h"
#include "model/euromillon_apuestas.h"

#include <optional>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {

// A run without reduction may keep every candidate, 610 MB for the whole
// classic game and 1.12 GB for today's: the combination reserves it at once, and on Linux huge pages spare
// most of the page faults of filling it.
void ReserveForEveryCandidate(TEuroMillonApuestas &apuestas, int64_t candidates)
{
    apuestas.Reserve(static_cast<size_t>(candidates));
#ifdef __linux__
    const std::vector<BetMask> &masks = apuestas.Masks();
    const size_t bytes = masks.capacity() * sizeof(BetMask);
    constexpr uintptr_t kHugePage = uintptr_t{2} << 20;
    if (bytes < 4 * kHugePage)
        return;
    const auto begin = reinterpret_cast<uintptr_t>(masks.data());
    const uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
    const uintptr_t last = (begin + bytes) & ~(kHugePage - 1);
    if (last > first)
        madvise(reinterpret_cast<void *>(first), last - first,
                MADV_HUGEPAGE); // advice only; failure is harmless
#endif
}

} // namespace

// The run: every candidate of the selection is counted, judged by the
// conditions and, when a reduction applies, kept only if no bet kept before
// it covers it. The walk works on masks; the kept bets reach Apuestas in
// batches, always before a progress report, so that the handler sees the
// counters and the kept bets as they stand.
int32_t TEuroMillonGeneraComb::Generar()
{
    if (procesando_)
        return 0;
    const bool reduce = ReduccionAplica();
    condiciones_->ResetContadores();
    procesando_ = true;
    cancelado_ = false;
    generadas_ = 0;
    validas_ = 0;
    apuestas_->Clear();

    std::optional<TConditionFilter> filter;
    std::optional<TCoverageIndex> coverage;
    std::optional<TGenerationEngine> engine;
    // Brings the object up to date with the walk; judged is the number of
    // candidates the conditions have seen.
    auto publish = [&](int64_t judged) {
        if (!engine)
            return;
        generadas_ = engine->Generated();
        validas_ = engine->Valid();
        std::vector<BetMask> &pending = engine->Pending();
        if (!pending.empty()) {
            apuestas_->AppendMasks(pending.data(), pending.size());
            pending.clear();
        }
        // As if each kept bet had been stored from the working bet, which
        // then took the next candidate.
        if (apuestas_->Count() > 0)
            apuestas_->SetCurrent(apuestas_->Count() - 1);
        if (filter)
            condiciones_->SetCounts(*filter, judged);
        if (engine->LastCandidate() != 0)
            apuestas_->WorkingBet().FromMask(engine->LastCandidate());
    };

    try {
        if (condiciones_->Count() > 0)
            filter.emplace(condiciones_->MaskConditions());
        if (reduce)
            coverage.emplace(
                tipoReduccion_ == kReduccionGlobal
                    ? TCoverageIndex::ForGlobal(reduccionGlobal_, GameRules(edition_).HighestStar)
                    : TCoverageIndex::ForBlocks(reduccionB1_, reduccionB2_, GameRules(edition_).HighestStar));
        if (!reduce)
            ReserveForEveryCandidate(*apuestas_, ApuestasPosibles());
        engine.emplace(seleccion_->ToMask(), filter ? &*filter : nullptr, coverage ? &*coverage : nullptr);
        engine->SetFlush([&](std::vector<BetMask> &pending) {
            apuestas_->AppendMasks(pending.data(), pending.size());
            pending.clear();
        });
        throttle_->Restart();
        engine->Run(*throttle_, [&] {
            if (!OnProgress)
                return false;
            publish(engine->Generated() - 1);
            OnProgress(this);
            return cancelado_;
        });
        publish(engine->Generated());
    } catch (...) {
        publish(engine ? engine->Generated() : 0);
        procesando_ = false;
        ReportProgress();
        throw;
    }
    procesando_ = false;
    ReportProgress();
    return cancelado_ ? 0 : apuestas_->Count();
}
