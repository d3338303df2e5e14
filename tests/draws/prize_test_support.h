#pragma once

#include "draws/prize_check.h"

#include <vector>

// Every hit of the checker's last run, in its order.
inline std::vector<TApuestaPremiada> Hits(const TPremiosEuroMillon &premios)
{
    std::vector<TApuestaPremiada> hits;
    for (int64_t i = 0; i < premios.CountPremiadas(); ++i) {
        TApuestaPremiada hit;
        premios.GetPremiada(i, hit);
        hits.push_back(hit);
    }
    return hits;
}
