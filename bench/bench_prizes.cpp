// Prize check speed: one million random bets against 2,000 draws of the
// classic game, then one million bets of today's game (stars 1 to 12)
// against its 1,947 published draws (13 categories from May 2011, the price
// of each draw). The histories are read from the "Historial" folder beside
// the program, or from the folder given as the first argument.
#include "draws/draw_archive.h"
#include "draws/draw_date.h"
#include "draws/draw_files.h"
#include "draws/draw_import.h"
#include "draws/prize_check.h"
#include "draws/prize_range.h"
#include "framework/program_path.h"
#include "model/euromillon_apuestas.h"
#include "support/bench_support.h"

#include <cstdio>
#include <ctime>
#include <random>
#include <vector>

namespace {

BetMask RandomBet(std::mt19937_64 &random, TEuroMillonNumeros *numeros = nullptr,
                  TEuroMillonNumeros *estrellas = nullptr, int highestStar = 9)
{
    BetMask mask = 0;
    for (int count = 0; count < 5;) {
        int n = static_cast<int>(random() % 50) + 1;
        if (!(mask & NumberBit(n))) {
            mask |= NumberBit(n);
            ++count;
            if (numeros)
                numeros->push_back(n);
        }
    }
    for (int count = 0; count < 2;) {
        int s = static_cast<int>(random() % static_cast<unsigned>(highestStar)) + 1;
        if (!(mask & StarBit(s))) {
            mask |= StarBit(s);
            ++count;
            if (estrellas)
                estrellas->push_back(s);
        }
    }
    return mask;
}

// Processor time of the whole process (every thread), which a loaded machine
// does not inflate the way it does the wall clock.
double ProcessSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Today's game over its whole published history; false when the histories
// are not there.
bool BenchCurrent(const std::string &historyFolder, int bets)
{
    TSorteosEuroMillon sorteos(TGameEdition::Current);
    BenchTimer timer;
    const TImportReport informe = ImportDrawFiles(HistoryFiles(historyFolder), sorteos);
    const double reading = timer.Seconds();
    if (sorteos.Count() == 0) {
        std::printf("bench_prizes (current): no histories in %s\n", historyFolder.c_str());
        return false;
    }

    std::mt19937_64 random(20260519);
    TEuroMillonApuestas apuestas(TGameEdition::Current);
    std::vector<BetMask> masks(static_cast<size_t>(bets));
    for (BetMask &mask : masks)
        mask = RandomBet(random, nullptr, nullptr, 12);
    apuestas.AppendMasks(masks.data(), masks.size());

    TPremiosEuroMillon premios;
    premios.SetApuestas(&apuestas);
    timer.Restart();
    double processStart = ProcessSeconds();
    premios.Procesar(sorteos);
    const double seconds = timer.Seconds();
    const double processorSeconds = ProcessSeconds() - processStart;
    const TRangeProfit rango = BeneficioRango(premios);

    std::printf("bench_prizes (current): %d bets x %d draws (%s to %s), %zu history errors\n",
                apuestas.Count(), sorteos.Count(),
                FormatFechaIso(sorteos.Sorteo(sorteos.Count() - 1).FechaSorteo).c_str(),
                FormatFechaIso(sorteos.Sorteo(0).FechaSorteo).c_str(), informe.Errores.size());
    std::printf("  six histories read: %.3f s\n", reading);
    std::printf("  check:  %.3f s (target < 2 s); processor time %.3f s over all threads\n", seconds,
                processorSeconds);
    std::printf("  hits:   %lld\n", static_cast<long long>(premios.CountPremiadas()));
    for (int c = 1; c <= kMaxCategorias; ++c)
        std::printf("    %-4s %10lld  %s\n", CategoriaTexto(c, kMaxCategorias).c_str(),
                    static_cast<long long>(premios.NumPremiadas(c)),
                    FormatCurrency(premios.TotalCategoria(c)).c_str());
    std::printf("  total prizes: %s; cost at each draw's price: %s\n",
                FormatCurrency(premios.TotalPremios()).c_str(), FormatCurrency(rango.Coste).c_str());
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    constexpr int kBets = 1000000;
    constexpr int kDraws = 2000;
    std::mt19937_64 random(20040213);

    TEuroMillonApuestas apuestas;
    std::vector<BetMask> masks(kBets);
    for (BetMask &mask : masks)
        mask = RandomBet(random);
    apuestas.AppendMasks(masks.data(), masks.size());

    TSorteosEuroMillon sorteos;
    for (int j = 0; j < kDraws; ++j) {
        TSorteoEuroMillonInfo info;
        info.FechaSorteo = 38030 + j; // whole days, one per draw, within the classic game
        RandomBet(random, &info.ApuestaGanadora.Numeros, &info.ApuestaGanadora.Estrellas);
        for (int c = 1; c <= kNumCategorias; ++c)
            info.PremioCategoria[c] = CurrencyFromUnits(static_cast<int64_t>(random() % 100000)) / c;
        sorteos.AddSorteo(info);
    }

    TPremiosEuroMillon premios;
    premios.SetApuestas(&apuestas);
    BenchTimer timer;
    double processStart = ProcessSeconds();
    premios.Procesar(sorteos);
    double seconds = timer.Seconds();
    double processorSeconds = ProcessSeconds() - processStart;

    timer.Restart();
    TApuestaPremiada hit;
    Currency listed = 0;
    for (int64_t i = 0; i < premios.CountPremiadas(); i += 1000) {
        premios.GetPremiada(i, hit);
        listed += hit.Importe;
    }
    double lookup = timer.Seconds();

    std::printf("bench_prizes: %d bets x %d draws on %u processors\n", apuestas.Count(), sorteos.Count(),
                ProcessorCount());
    std::printf("  check:  %.3f s (target < 2 s); processor time %.3f s over all threads\n", seconds,
                processorSeconds);
    std::printf("  hits:   %lld\n", static_cast<long long>(premios.CountPremiadas()));
    for (int c = 1; c <= kNumCategorias; ++c)
        std::printf("    %-4s %10lld  %s\n", CategoriaTexto(c).c_str(),
                    static_cast<long long>(premios.NumPremiadas(c)),
                    FormatCurrency(premios.TotalCategoria(c)).c_str());
    std::printf("  total prizes: %s\n", FormatCurrency(premios.TotalPremios()).c_str());
    std::printf("  every 1000th hit read back: %.3f s (checksum %s)\n", lookup,
                FormatCurrency(listed).c_str());
    std::printf("  peak memory: %.0f MB\n", PeakResidentMegabytes());

    premios.SetApuestas(nullptr); // the classic run's hits go
    BenchCurrent(argc > 1 ? argv[1] : ProgramFolderPath(kCarpetaHistorial), kBets);
    std::printf("  peak memory of both runs: %.0f MB\n", PeakResidentMegabytes());
    return 0;
}
