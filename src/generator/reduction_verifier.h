#pragma once

#include "model/bet_mask.h"

#include <cstdint>
#include <vector>

class TEuroMillonGeneraComb;

// The verdict on a set of bets offered as a reduction of a generation.
struct TReductionVerdict {
    int64_t validas = 0;            // candidates passing the conditions
    int64_t descubiertas = 0;       // valid candidates no bet covers
    BetMask primeraDescubierta = 0; // the first of them in the generation's order
    int64_t apuestasAjenas = 0;     // bets that are not valid candidates, or repeated

    // Every valid candidate covered, and every bet a distinct valid candidate.
    bool Completa() const { return descubiertas == 0 && apuestasAjenas == 0; }
};

// Checks the bets against the settings without any of the optimizer's
// structures: walks the selection with the generation's enumerator, judges
// each candidate with the group conditions, and asks CumpleReduccion, with
// the bets as the kept ones, whether some bet covers it. Without a
// reduction a candidate is covered only by itself. The settings are not
// changed (the condition counters of a private copy count instead).
TReductionVerdict VerifyReduction(const TEuroMillonGeneraComb &settings, const std::vector<BetMask> &bets);
