#pragma once

// The generation run written as plainly as possible: the enumerator object,
// the conditions' verdict on the working bet, and the combination's
// newest-first covering search for every valid candidate. The fast run must
// give exactly what this gives.

#include "generator/genera_comb.h"
#include "generator/generador.h"
#include "model/euromillon_apuestas.h"

#include <cstdint>

struct TReferenceCounts {
    int32_t generadas = 0;
    int32_t validas = 0;
};

// Fills settings.Apuestas() with the kept bets.
inline TReferenceCounts ReferenceGenerar(TEuroMillonGeneraComb &settings)
{
    TReferenceCounts counts;
    const bool reduce = settings.ReduccionAplica();
    settings.Condiciones().ResetContadores();
    TEuroMillonApuestas &kept = settings.Apuestas();
    kept.Clear();
    TEuroMillonGenerador walk(settings.Seleccion());
    walk.Primera();
    while (!walk.Fin()) {
        ++counts.generadas;
        kept.WorkingBet().Assign(walk.Apuesta());
        if (settings.CumpleCondiciones(kept.WorkingBet())) {
            ++counts.validas;
            if (!reduce || settings.CumpleReduccion(kept.WorkingBet()))
                kept.Store(-1);
        }
        walk.Siguiente();
    }
    return counts;
}
