// Optimized reduction on the rows of the target table: for each, the greedy
// count, the optimized count, the seconds spent and the peak memory, with a
// time budget per row (60 s unless told).
//
// Arguments: --seconds S (budget per row), --seed N, --rows 1,4 (rows to
// run), --moves N (move limit per row), and the search tuning --t0 T --cooling F --steps N --tmin T.

#include "generator/genera_comb.h"
#include "generator/reduction_optimizer.h"
#include "model/euromillon_apuestas.h"
#include "support/bench_support.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Row {
    const char *name;
    int highestNumber;
    int highestStar;
    int kind; // 1 global, 2 blocks
    int level1;
    int level2;
    int greedyExpected;
    int target;
    TGameEdition edition = TGameEdition::Classic;
};

const Row kRows[] = {
    {"numbers 1-10, stars 1-2, global 6", 10, 2, 1, 6, 0, 22, 15},
    {"numbers 1-12, stars 1-2, global 6", 12, 2, 1, 6, 0, 54, 38},
    {"numbers 1-12, stars 1-2, global 5", 12, 2, 1, 5, 0, 12, 7},
    {"numbers 1-10, stars 1-4, blocks 4,2", 10, 4, 2, 4, 2, 132, 92},
    {"numbers 1-10, stars 1-4, global 6", 10, 4, 1, 6, 0, 124, 87},
    {"numbers 1-15, stars 1-5, global 5", 15, 5, 1, 5, 0, 206, 145},
    // Today's game: the 66 pairs of stars 1-12.
    {"today: numbers 1-8, stars 1-12, global 6", 8, 12, 1, 6, 0, 266, 192, TGameEdition::Current},
};

void Configure(TEuroMillonGeneraComb &settings, const Row &row)
{
    for (int n = 1; n <= row.highestNumber; ++n)
        settings.Seleccion().Block(1).Add(n);
    for (int s = 1; s <= row.highestStar; ++s)
        settings.Seleccion().Block(2).Add(s);
    settings.SetTipoReduccion(static_cast<uint8_t>(row.kind));
    if (row.kind == 1)
        settings.SetReduccionGlobal(row.level1);
    else {
        settings.SetReduccionB1(row.level1);
        settings.SetReduccionB2(row.level2);
    }
}

bool RowWanted(const std::string &rows, int number)
{
    if (rows.empty())
        return true;
    size_t start = 0;
    while (start <= rows.size()) {
        const size_t comma = rows.find(',', start);
        if (std::stoi(rows.substr(start, comma - start)) == number)
            return true;
        if (comma == std::string::npos)
            return false;
        start = comma + 1;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    TOptimizeOptions options;
    options.seconds = 60;
    std::string rows;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const std::string value = argv[i + 1];
        if (option == "--seconds")
            options.seconds = std::stod(value);
        else if (option == "--seed")
            options.seed = std::stoull(value);
        else if (option == "--moves")
            options.maxSteps = std::stoull(value);
        else if (option == "--rows")
            rows = value;
        else if (option == "--t0")
            options.tuning.startTemperature = std::stod(value);
        else if (option == "--cooling")
            options.tuning.cooling = std::stod(value);
        else if (option == "--steps")
            options.tuning.stepsPerTemperature = static_cast<uint32_t>(std::stoul(value));
        else if (option == "--tmin")
            options.tuning.coldestTemperature = std::stod(value);
    }
    std::printf("bench_optimizer: %u processors, budget %.0f s per row, seed %llu\n\n", ProcessorCount(),
                options.seconds, static_cast<unsigned long long>(options.seed));
    std::printf("%-42s %7s %9s %7s %8s %8s %12s %8s\n", "row", "greedy", "optimized", "target", "seconds",
                "peak MB", "moves", "verified");
    bool allMet = true;
    for (size_t r = 0; r < std::size(kRows); ++r) {
        const Row &row = kRows[r];
        if (!RowWanted(rows, static_cast<int>(r + 1)))
            continue;
        TEuroMillonGeneraComb settings(row.edition);
        Configure(settings, row);
        ResetPeakMemory();
        BenchTimer timer;
        TOptimizeResult result;
        GenerarOptimizado(settings, options, &result);
        const double seconds = timer.Seconds();
        const auto optimized = static_cast<int>(result.bets.size());
        allMet = allMet && optimized <= row.target && result.verified;
        std::printf("%-42s %7d %9d %7s %8.1f %8.0f %12llu %8s\n", row.name, result.greedy, optimized,
                    ("<= " + std::to_string(row.target)).c_str(), seconds, PeakResidentMegabytes(),
                    static_cast<unsigned long long>(result.steps), result.verified ? "yes" : "NO");
        std::fflush(stdout);
    }
    std::printf("\nevery target met: %s\n", allMet ? "yes" : "no");
    return 0;
}
