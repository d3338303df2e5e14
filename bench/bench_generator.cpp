// Generation runs over the whole game and over the reference selection:
// candidates, valid, kept, seconds and peak memory per case, with the time
// against a bare walk of the same selection and against the plain
// newest-first implementation.

#include "generator/genera_comb.h"
#include "generator/mask_enumeration.h"
#include "model/euromillon_apuestas.h"
#include "support/bench_support.h"

#include "../tests/generator/reference_generation.h"

#include <cstdio>
#include <ctime>
#include <string>

namespace {

struct Case {
    const char *name;
    int highestNumber;
    int kind; // 0 none, 1 global, 2 blocks
    int level1;
    int level2;
    bool conditions = false;
    TGameEdition edition = TGameEdition::Classic;
};

// Three conditions a player might set: two or three low numbers, at most
// three even ones, and not both stars above 5.
void AddSampleConditions(TEuroMillonCondicionGrupos &conditions)
{
    TEuroMillonCondicionGrupo low = CondicionGrupoDefecto;
    for (int n = 1; n <= 25; ++n)
        low.Numeros.push_back(n);
    low.AciertosMin = 2;
    low.AciertosMax = 3;
    conditions.Add(low);
    TEuroMillonCondicionGrupo even = CondicionGrupoDefecto;
    for (int n = 1; n <= 50; ++n)
        even.Numeros.push_back(n);
    even.ParesMax = 3;
    conditions.Add(even);
    TEuroMillonCondicionGrupo stars = CondicionGrupoDefecto;
    stars.Bloque = 2;
    stars.Numeros = {6, 7, 8, 9};
    stars.AciertosMax = 1;
    conditions.Add(stars);
}

void Configure(TEuroMillonGeneraComb &settings, const Case &c)
{
    settings.Clear();
    settings.SetEdition(c.edition);
    for (int n = 1; n <= c.highestNumber; ++n)
        settings.Seleccion().Block(1).Add(n);
    for (int s = 1; s <= GameRules(c.edition).HighestStar; ++s)
        settings.Seleccion().Block(2).Add(s);
    settings.SetTipoReduccion(static_cast<uint8_t>(c.kind));
    if (c.kind == 1)
        settings.SetReduccionGlobal(c.level1);
    if (c.kind == 2) {
        settings.SetReduccionB1(c.level1);
        settings.SetReduccionB2(c.level2);
    }
    if (c.conditions)
        AddSampleConditions(settings.Condiciones());
}

// The floor: the same walk doing nothing with the candidates.
double BareWalkSeconds(BetMask selection)
{
    BenchTimer timer;
    const std::vector<BetMask> quintets = NumberQuintetMasks(selection);
    const std::vector<BetMask> pairs = StarPairMasks(selection);
    BetMask sink = 0;
    for (BetMask pair : pairs)
        for (BetMask quintet : quintets)
            sink ^= quintet | pair;
    volatile BetMask keep = sink;
    (void)keep;
    return timer.Seconds();
}

// Processor time of the whole process, to read the figures on a busy machine.
double CpuSeconds()
{
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

void PrintRow(const char *name, const TEuroMillonGeneraComb &settings, double seconds, double cpu,
              double peak, double bareSeconds)
{
    std::printf("%-32s %10d %10d %10d %8.2f %8.2f %9.0f %9.1fx\n", name, settings.Generadas(),
                settings.Validas(), settings.Apuestas().Count(), seconds, cpu, peak,
                bareSeconds > 0 ? seconds / bareSeconds : 0.0);
    std::fflush(stdout);
}

} // namespace

// Arguments: words a case name must contain to run (all cases without; run
// "today" alone for the peak memory of today's game by itself);
// "--no-plain" skips the plain scan, which takes minutes.
int main(int argc, char *argv[])
{
    std::vector<std::string> filters;
    bool runPlain = true;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--no-plain")
            runPlain = false;
        else
            filters.emplace_back(argv[i]);
    }
    auto selected = [&](const std::string &name) {
        for (const std::string &filter : filters)
            if (name.find(filter) == std::string::npos)
                return false;
        return true;
    };
    std::printf("bench_generator: %u processors\n\n", ProcessorCount());
    std::printf("%-32s %10s %10s %10s %8s %8s %9s %10s\n", "case", "candidates", "valid", "kept", "seconds",
                "cpu s", "peak MB", "vs bare");
    const Case cases[] = {
        {"full game, no reduction", 50, 0, 0, 0},
        {"full game, global 6", 50, 1, 6, 0},
        {"full game, global 5", 50, 1, 5, 0},
        {"full game, global 4", 50, 1, 4, 0},
        {"full game, global 3", 50, 1, 3, 0},
        {"full game, blocks 4,2", 50, 2, 4, 2},
        {"full game, blocks 4,1", 50, 2, 4, 1},
        {"full game, blocks 3,2", 50, 2, 3, 2},
        {"full game, 3 conditions", 50, 0, 0, 0, true},
        {"full game, global 6, 3 cond.", 50, 1, 6, 0, true},
        // Today's game: stars 1 to 12, 139,838,160 candidates.
        {"today, full game, no reduction", 50, 0, 0, 0, false, TGameEdition::Current},
        {"today, full game, global 6", 50, 1, 6, 0, false, TGameEdition::Current},
        {"today, full game, global 5", 50, 1, 5, 0, false, TGameEdition::Current},
        {"today, full game, blocks 4,2", 50, 2, 4, 2, false, TGameEdition::Current},
    };
    for (const Case &c : cases) {
        if (!selected(c.name))
            continue;
        TEuroMillonGeneraComb settings;
        Configure(settings, c);
        const double bare = BareWalkSeconds(settings.Seleccion().ToMask());
        ResetPeakMemory();
        const double cpuStart = CpuSeconds();
        BenchTimer timer;
        settings.Generar();
        const double seconds = timer.Seconds();
        PrintRow(c.name, settings, seconds, CpuSeconds() - cpuStart, PeakResidentMegabytes(), bare);
    }

    const Case reference = {"numbers 1-30, global 6", 30, 1, 6, 0};
    if (!selected(reference.name))
        return 0;
    TEuroMillonGeneraComb fast;
    Configure(fast, reference);
    const double bare = BareWalkSeconds(fast.Seleccion().ToMask());
    ResetPeakMemory();
    const double cpuStart = CpuSeconds();
    BenchTimer fastTimer;
    fast.Generar();
    const double fastSeconds = fastTimer.Seconds();
    const double fastCpu = CpuSeconds() - cpuStart;
    PrintRow(reference.name, fast, fastSeconds, fastCpu, PeakResidentMegabytes(), bare);
    if (!runPlain)
        return 0;

    TEuroMillonGeneraComb plain;
    Configure(plain, reference);
    ResetPeakMemory();
    const double plainCpuStart = CpuSeconds();
    BenchTimer plainTimer;
    ReferenceGenerar(plain);
    const double plainSeconds = plainTimer.Seconds();
    const double plainCpu = CpuSeconds() - plainCpuStart;
    std::printf("%-32s %10s %10s %10d %8.2f %8.2f %9.0f\n", "  plain newest-first scan", "", "",
                plain.Apuestas().Count(), plainSeconds, plainCpu, PeakResidentMegabytes());
    std::printf("\nreference case: fast run %.0fx faster than the plain scan (%.0fx in processor time); "
                "same kept bets: %s\n",
                fastSeconds > 0 ? plainSeconds / fastSeconds : 0.0, fastCpu > 0 ? plainCpu / fastCpu : 0.0,
                fast.Apuestas().Masks() == plain.Apuestas().Masks() ? "yes" : "NO");
    return fast.Apuestas().Masks() == plain.Apuestas().Masks() ? 0 : 1;
}
