#pragma once

#include "generator/cover_search.h"
#include "model/bet_mask.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

class TEuroMillonGeneraComb;

// Optimized reduction: the guarantee of the settings' reduction with fewer
// bets than the greedy run keeps. Starting from the greedy bets, a local
// search looks for a smaller set of valid candidates such that every
// candidate passing the conditions is covered, in the sense of
// CumpleReduccion, by at least one of them. The result is always checked by
// VerifyReduction before it is returned.
//
// From a window: the check box 45700 "Optimizar reducción" and the time
// chosen among kTiemposOptimizacion set the settings' OptimizarSegundos (0
// when unchecked). With it above 0, the run calls GenerarOptimizado with
// options.seconds = OptimizarSegundos() and an onProgress that shows 45707
// "Mejor hasta ahora: %d apuestas (sin optimizar: %d)" with best and greedy,
// lets pending events run, and returns whether Cancel was pressed. The
// status kTooLarge is told with 45708. The search only reads the settings,
// so it may also run on a worker thread (stopped through `cancel`) while
// the window leaves the settings alone.

// The search times a window offers, in seconds, in the order of their texts
// 45703 "10 s", 45704 "1 min", 45705 "5 min".
inline constexpr int32_t kTiemposOptimizacion[] = {10, 60, 300};

// What a progress handler is told.
struct TOptimizeProgress {
    int32_t greedy = 0; // bets of the greedy reduction
    int32_t best = 0;   // smallest complete set found so far
    double seconds = 0; // time since the optimization started
    double budgetSeconds = 0;
    uint64_t steps = 0; // search moves so far
};

struct TOptimizeOptions {
    double seconds = 10; // time budget, the building of the problem included
    uint64_t seed = 1;
    // When not 0, the search also stops after this many moves. The same
    // settings, seed and move limit give the same bets on every machine; with
    // the time budget alone a faster machine may get further.
    uint64_t maxSteps = 0;
    // Called at the start, about every 250 ms, whenever the best size drops,
    // and at the end, on the calling thread. Returning true stops the search;
    // the best complete set found so far is kept.
    std::function<bool(const TOptimizeProgress &)> onProgress;
    // Set from another thread to stop the search the same way.
    const std::atomic<bool> *cancel = nullptr;
    TCoverSearch::Tuning tuning;
};

enum class TOptimizeStatus {
    kOptimized, // the search ran; bets is the best set it found (maybe the greedy one)
    // The search did not run; bets are the greedy bets as given, unchecked:
    kNoReduction, // no reduction applies: the greedy run keeps every valid candidate
    kTooLarge,    // beyond the search's memory or checking limits
    // The search's set failed verification (a fault); bets are the greedy
    // bets, verified in turn.
    kGreedyKept,
};

struct TOptimizeResult {
    TOptimizeStatus status = TOptimizeStatus::kOptimized;
    std::vector<BetMask> bets; // in the generation's order
    int32_t greedy = 0;
    bool verified = false;  // VerifyReduction accepted bets (checked after every search)
    bool cancelled = false; // stopped by the handler or the cancel flag before the budget ran out
    uint64_t steps = 0;
    double seconds = 0;
};

// greedy: the bets a greedy run (Generar) of the same settings kept. The
// settings are only read; their condition counters are not touched.
// Raises std::invalid_argument when a greedy bet is not a valid candidate.
TOptimizeResult OptimizeReduction(const TEuroMillonGeneraComb &settings, const std::vector<BetMask> &greedy,
                                  const TOptimizeOptions &options);

// One optimized generation, for windows and the command line: Generar (with
// the settings' own OnProgress and cancellation), then OptimizeReduction
// when a reduction applies; after a search the settings' Apuestas are
// replaced by the result's bets in one change. Generadas, Validas and the
// condition counters stay as Generar left them. Returns the count of kept
// bets, or 0 when Generar returned 0 (cancelled, nothing valid, or a run
// under way). A cancelled search still returns its best set. Without a
// reduction, or when Generar returned 0, the result tells kNoReduction with
// no bets (the kept bets are in Apuestas). The caller refuses re-entry while
// this runs (Procesando is only set during the greedy part).
int32_t GenerarOptimizado(TEuroMillonGeneraComb &settings, const TOptimizeOptions &options,
                          TOptimizeResult *result = nullptr);
