#pragma once

#include "model/euromillon_apuestas.h"
#include "model/ticket_tables.h"
#include "printing/boleto_automatico.h"
#include "printing/print_boletos_source.h"
#include "report/render/qt_text_measure.h"
#include "report/report.h"

#include <algorithm>
#include <memory>
#include <vector>

// Bets spread over the whole ticket, the same ones every run.
inline std::vector<BetMask> SpreadBets(int count)
{
    std::vector<BetMask> bets;
    uint32_t state = 20261209;
    auto next = [&state](int bound) {
        state = state * 1664525u + 1013904223u;
        return static_cast<int>((state >> 8) % static_cast<uint32_t>(bound)) + 1;
    };
    for (int k = 0; k < count; ++k) {
        BetMask mask = 0;
        while (CountNumbers(mask) < 5)
            mask |= NumberBit(next(50));
        while (CountStars(mask) < 2)
            mask |= StarBit(next(9));
        bets.push_back(mask);
    }
    return bets;
}

// The automatic ticket of a country prepared for a combination.
inline TfrPreparedReport PrepareAutomaticTicket(TEuroMillonApuestas &apuestas, TPaisBoleto pais, int rotation)
{
    const TTablasBoleto &tablas = TablasDePais(pais);
    TfrReport report;
    ConstruirBoletoAutomatico(report, rotation, tablas.Geometria, tablas.Formato, 0, 0, kPrintBoletosDataSet);
    TPrintBoletosSource source(apuestas, tablas.Formato);
    source.Attach(report, kPrintBoletosDataSet);
    return report.Prepare(QtTextMeasure());
}
