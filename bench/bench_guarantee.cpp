// Guarantee reports of the two target cases: the whole game with the bets of
// global reduction 6, and numbers 1-30 with stars 1-9 and global 6; then the
// whole of today's game (stars 1-12) with the bets of global reduction 6. Prints
// bets, draws, the guaranteed category, seconds, processor seconds and peak
// memory of the analysis (the generation that makes the bets is not timed).
// "--threads N" fixes the number of threads; "--check" also runs one thread
// and tells whether the reports agree.

#include "generator/genera_comb.h"
#include "generator/guarantee_analyser.h"
#include "model/euromillon_apuestas.h"
#include "support/bench_support.h"

#include <cstdio>
#include <ctime>
#include <string>

namespace {

struct Case {
    const char *name;
    int highestNumber;
    int globalLevel;
    TGameEdition edition = TGameEdition::Classic;
};

double CpuSeconds()
{
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

std::vector<BetMask> GeneratedBets(const Case &c, BetMask &selection)
{
    TEuroMillonGeneraComb settings(c.edition);
    for (int n = 1; n <= c.highestNumber; ++n)
        settings.Seleccion().Block(1).Add(n);
    for (int s = 1; s <= GameRules(c.edition).HighestStar; ++s)
        settings.Seleccion().Block(2).Add(s);
    settings.SetTipoReduccion(TEuroMillonGeneraComb::kReduccionGlobal);
    settings.SetReduccionGlobal(c.globalLevel);
    settings.Generar();
    selection = settings.Seleccion().ToMask();
    return settings.Apuestas().Masks();
}

void PrintTable(const TGuaranteeReport &report)
{
    const int categories = report.All.Categories;
    for (int categoria = 1; categoria <= report.All.SinPremio(); ++categoria)
        if (report.All.Count(categoria) > 0)
            std::printf("    %-5s %10lld %8.4f%%\n", GuaranteeCategoryText(categoria, categories).c_str(),
                        static_cast<long long>(report.All.Count(categoria)), report.All.Percent(categoria));
    for (const TGuaranteeByHits &byHits : report.ByHits) {
        const int guaranteed = byHits.Table.Guaranteed();
        std::printf("    %d of the numbers: %lld draws, guaranteed %s\n", byHits.Hits,
                    static_cast<long long>(byHits.Table.Draws),
                    guaranteed ? GuaranteeCategoryText(guaranteed, categories).c_str() : "-");
    }
}

} // namespace

int main(int argc, char *argv[])
{
    unsigned threads = 0;
    bool check = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--threads" && i + 1 < argc)
            threads = static_cast<unsigned>(std::stoul(argv[++i]));
        else if (argument == "--check")
            check = true;
    }
    std::printf("bench_guarantee: %u processors, %s\n\n", ProcessorCount(),
                threads ? (std::to_string(threads) + " threads").c_str() : "one thread per processor");
    std::printf("%-32s %9s %10s %6s %8s %8s %8s %7s\n", "case", "bets", "draws", "guar.", "seconds", "cpu s",
                "peak MB", "target");
    const Case cases[] = {{"full game, global 6", 50, 6},
                          {"numbers 1-30, stars 1-9, global 6", 30, 6},
                          {"today, full game, global 6", 50, 6, TGameEdition::Current}};
    const double targets[] = {30.0, 3.0, 60.0};
    int status = 0;
    for (size_t k = 0; k < std::size(cases); ++k) {
        BetMask selection = 0;
        const std::vector<BetMask> bets = GeneratedBets(cases[k], selection);
        TGuaranteeAnalyser analyser;
        analyser.SetThreads(threads);
        analyser.SetEdition(cases[k].edition);
        ResetPeakMemory();
        const double cpuStart = CpuSeconds();
        BenchTimer timer;
        const TGuaranteeReport report = analyser.Analyse(bets, selection);
        const double seconds = timer.Seconds();
        std::printf("%-32s %9zu %10lld %6s %8.2f %8.2f %8.0f %6.0fs\n", cases[k].name, bets.size(),
                    static_cast<long long>(report.All.Draws), GuaranteeCategoryText(report.All.Guaranteed(), report.All.Categories).c_str(),
                    seconds, CpuSeconds() - cpuStart, PeakResidentMegabytes(), targets[k]);
        PrintTable(report);
        if (check) {
            TGuaranteeAnalyser single;
            single.SetThreads(1);
            single.SetEdition(cases[k].edition);
            BenchTimer singleTimer;
            const bool same = single.Analyse(bets, selection) == report;
            std::printf("    one thread: %.2f s, same report: %s\n", singleTimer.Seconds(), same ? "yes" : "NO");
            status |= same ? 0 : 1;
        }
        std::fflush(stdout);
    }
    return status;
}
