// Prize check speed: one million random bets against 2,000 draws.
#include "draws/draw_archive.h"
#include "draws/prize_check.h"
#include "model/euromillon_apuestas.h"
#include "support/bench_support.h"

#include <cstdio>
#include <ctime>
#include <random>
#include <vector>

namespace {

BetMask RandomBet(std::mt19937_64 &random, TEuroMillonNumeros *numeros = nullptr,
                  TEuroMillonNumeros *estrellas = nullptr)
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
        int s = static_cast<int>(random() % 9) + 1;
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

} // namespace

int main()
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
        info.FechaSorteo = 38030 + 3.5 * j; // whole days, one per draw
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
        std::printf("    %-4s %10lld  %s\n", CategoriaTexto(c).c_str(), static_cast<long long>(premios.NumPremiadas(c)),
                    FormatCurrency(premios.TotalCategoria(c)).c_str());
    std::printf("  total prizes: %s\n", FormatCurrency(premios.TotalPremios()).c_str());
    std::printf("  every 1000th hit read back: %.3f s (checksum %s)\n", lookup, FormatCurrency(listed).c_str());
    std::printf("  peak memory: %.0f MB\n", PeakResidentMegabytes());
    return 0;
}
