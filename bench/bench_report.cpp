// Prints 100,000 bets (20,000 Spanish tickets) through the automatic ticket:
// builds the template, prepares it against the combination and writes the
// PDF. Prints seconds per step, pages, file size and peak memory.
//   bench_report [BETS]   (default 100000)

#include "model/euromillon_apuestas.h"
#include "model/ticket_tables.h"
#include "printing/boleto_automatico.h"
#include "printing/print_boletos_source.h"
#include "report/render/pdf_export.h"
#include "report/render/qt_text_measure.h"
#include "report/report.h"
#include "support/bench_support.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <vector>

namespace {

std::vector<BetMask> SpreadBets(int count)
{
    std::vector<BetMask> bets;
    bets.reserve(static_cast<size_t>(count));
    uint32_t state = 100000;
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

} // namespace

int main(int argc, char *argv[])
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    TEuroMillonApuestas apuestas;
    const std::vector<BetMask> bets = SpreadBets(count);
    apuestas.AppendMasks(bets.data(), bets.size());
    apuestas.SetName("Bench");

    BenchTimer total;
    BenchTimer step;
    const TTablasBoleto &es = TablasDePais(pbEspana);
    TfrReport report;
    ConstruirBoletoAutomatico(report, 0, es.Geometria, es.Formato, 0, 0, kPrintBoletosDataSet);
    TPrintBoletosSource source(apuestas, es.Formato);
    source.Attach(report, kPrintBoletosDataSet);
    const TfrTextMeasure measure = QtTextMeasure();
    const double setup = step.Seconds();

    step.Restart();
    const TfrPreparedReport prepared = report.Prepare(measure);
    const double prepare = step.Seconds();
    size_t items = 0;
    for (const TfrPreparedPage &page : prepared.Pages)
        items += page.Items.size();

    const std::string path = BenchScratchFolder("bench_report") + "/tickets.pdf";
    step.Restart();
    ExportPdf(prepared, path);
    const double write = step.Seconds();

    std::printf("bets=%d pages=%zu items=%zu\n", count, prepared.Pages.size(), items);
    std::printf("setup_seconds=%.2f prepare_seconds=%.2f pdf_seconds=%.2f total_seconds=%.2f\n", setup,
                prepare, write, total.Seconds());
    // On a shared machine the wall clock also counts waiting for a processor.
    std::printf("cpu_seconds=%.2f\n", static_cast<double>(std::clock()) / CLOCKS_PER_SEC);
    std::printf("pdf_megabytes=%.1f peak_resident_megabytes=%.1f\n",
                static_cast<double>(std::filesystem::file_size(path)) / (1024.0 * 1024.0),
                PeakResidentMegabytes());
    std::filesystem::remove(path);
    return 0;
}
