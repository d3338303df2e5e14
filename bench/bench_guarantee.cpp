// Guarantee reports of the two target cases: the whole game with the bets of
// global reduction 6, and numbers 1-30 with stars 1-9 and global 6; then the
// whole of today's game (stars 1-12) with the bets of global reduction 6; then
// the unreduced whole game of both editions and ten million random bets, with
// the odds over the whole game. Prints bets, draws, the guaranteed category,
// seconds, processor seconds and peak memory of the analysis (making the bets
// is not timed, their memory counts in the peak). "--threads N" fixes the
// number of threads; "--check" also runs one thread and tells whether the
// reports agree; "--subsets" marks every subset of every bet, as before the
// rank table.

#include "generator/genera_comb.h"
#include "generator/guarantee_analyser.h"
#include "generator/mask_enumeration.h"
#include "model/euromillon_apuestas.h"
#include "support/bench_support.h"

#include <cstdio>
#include <ctime>
#include <random>
#include <string>

namespace {

enum class Bets { Generated, Unreduced, Random };

struct Case {
    const char *name;
    int highestNumber;
    int globalLevel;
    TGameEdition edition = TGameEdition::Classic;
    Bets bets = Bets::Generated;
    bool odds = false;
};

constexpr size_t kRandomBets = 10000000;

double CpuSeconds()
{
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

// Every simple bet of the edition, in the generator's order, or random
// simple bets of it.
std::vector<BetMask> MadeBets(const Case &c, BetMask &selection)
{
    const TGameRules &rules = GameRules(c.edition);
    selection = kNumberBits | rules.StarBits;
    std::vector<BetMask> bets;
    if (c.bets == Bets::Unreduced) {
        const std::vector<BetMask> quintets = NumberQuintetMasks(selection);
        const std::vector<BetMask> pairs = StarPairMasks(selection);
        bets.reserve(quintets.size() * pairs.size());
        for (BetMask pair : pairs)
            for (BetMask quintet : quintets)
                bets.push_back(quintet | pair);
        return bets;
    }
    std::mt19937_64 random(20261209);
    bets.reserve(kRandomBets);
    while (bets.size() < kRandomBets) {
        BetMask bet = 0;
        while (CountNumbers(bet) < 5)
            bet |= NumberBit(static_cast<int>(random() % 50) + 1);
        while (CountStars(bet) < 2)
            bet |= StarBit(static_cast<int>(random() % static_cast<unsigned>(rules.HighestStar)) + 1);
        bets.push_back(bet);
    }
    return bets;
}

std::vector<BetMask> GeneratedBets(const Case &c, BetMask &selection)
{
    if (c.bets != Bets::Generated)
        return MadeBets(c, selection);
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

void PrintOdds(const TGuaranteeOdds &odds)
{
    if (odds.Best.Draws == 0)
        return;
    std::printf("    whole game: %lld draws, any prize %.4f%%, expected winning bets %.4f, none %lld\n",
                static_cast<long long>(odds.Best.Draws), odds.AnyPrize() * 100.0, odds.ExpectedWinningBets(),
                static_cast<long long>(odds.Best.Count(odds.Best.SinPremio())));
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
    TMarking marking = TMarking::Auto;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--threads" && i + 1 < argc)
            threads = static_cast<unsigned>(std::stoul(argv[++i]));
        else if (argument == "--check")
            check = true;
        else if (argument == "--subsets")
            marking = TMarking::BySubsets;
    }
    std::printf("bench_guarantee: %u processors, %s\n\n", ProcessorCount(),
                threads ? (std::to_string(threads) + " threads").c_str() : "one thread per processor");
    std::printf("%-32s %9s %10s %6s %8s %8s %8s %7s\n", "case", "bets", "draws", "guar.", "seconds", "cpu s",
                "peak MB", "target");
    const Case cases[] = {
        {"full game, global 6", 50, 6},
        {"numbers 1-30, stars 1-9, global 6", 30, 6},
        {"today, full game, global 6", 50, 6, TGameEdition::Current},
        {"full game unreduced, odds", 50, 7, TGameEdition::Classic, Bets::Unreduced, true},
        {"today, full game unreduced, odds", 50, 7, TGameEdition::Current, Bets::Unreduced, true},
        {"10 million random bets, odds", 50, 7, TGameEdition::Classic, Bets::Random, true}};
    // The unreduced games: under 3 s and 6 s with the load in the command.
    const double targets[] = {30.0, 3.0, 60.0, 3.0, 6.0, 6.0};
    int status = 0;
    for (size_t k = 0; k < std::size(cases); ++k) {
        BetMask selection = 0;
        const std::vector<BetMask> bets = GeneratedBets(cases[k], selection);
        TGuaranteeAnalyser analyser;
        analyser.SetThreads(threads);
        analyser.SetEdition(cases[k].edition);
        analyser.SetMarking(marking);
        analyser.SetWithOdds(cases[k].odds);
        ResetPeakMemory();
        const double cpuStart = CpuSeconds();
        BenchTimer timer;
        const TGuaranteeReport report = analyser.Analyse(bets, selection);
        const double seconds = timer.Seconds();
        std::printf("%-32s %9zu %10lld %6s %8.2f %8.2f %8.0f %6.0fs\n", cases[k].name, bets.size(),
                    static_cast<long long>(report.All.Draws),
                    GuaranteeCategoryText(report.All.Guaranteed(), report.All.Categories).c_str(), seconds,
                    CpuSeconds() - cpuStart, PeakResidentMegabytes(), targets[k]);
        PrintTable(report);
        PrintOdds(report.Odds);
        if (check) {
            TGuaranteeAnalyser single;
            single.SetThreads(1);
            single.SetEdition(cases[k].edition);
            single.SetMarking(marking);
            single.SetWithOdds(cases[k].odds);
            BenchTimer singleTimer;
            const bool same = single.Analyse(bets, selection) == report;
            std::printf("    one thread: %.2f s, same report: %s\n", singleTimer.Seconds(),
                        same ? "yes" : "NO");
            status |= same ? 0 : 1;
        }
        std::fflush(stdout);
    }
    return status;
}
