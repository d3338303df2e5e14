// Builds, saves and loads back a combination of 10 million bets, then holds
// every simple bet of the game (76,275,360) in one combination, saves and
// loads that too. Prints seconds per step and memory.
//   bench_combination [--quick]   (--quick skips the full game)

#include "model/euromillon_apuestas.h"
#include "support/bench_support.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

double ResidentMegabytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * 4096.0 / (1024.0 * 1024.0);
}

// Every simple bet in a fixed order, handed to sink in chunks, up to limit.
template <typename Sink> size_t EnumerateBets(size_t limit, Sink &&sink)
{
    std::vector<BetMask> starPairs;
    for (int s = 1; s <= 9; ++s)
        for (int t = s + 1; t <= 9; ++t)
            starPairs.push_back(StarBit(s) | StarBit(t));
    std::vector<BetMask> chunk;
    chunk.reserve(1 << 20);
    size_t produced = 0;
    for (int a = 1; a <= 50; ++a)
        for (int b = a + 1; b <= 50; ++b)
            for (int c = b + 1; c <= 50; ++c)
                for (int d = c + 1; d <= 50; ++d)
                    for (int e = d + 1; e <= 50; ++e) {
                        BetMask numbers =
                            NumberBit(a) | NumberBit(b) | NumberBit(c) | NumberBit(d) | NumberBit(e);
                        for (BetMask stars : starPairs) {
                            if (produced == limit)
                                goto done;
                            chunk.push_back(numbers | stars);
                            ++produced;
                            if (chunk.size() == chunk.capacity()) {
                                sink(chunk);
                                chunk.clear();
                            }
                        }
                    }
done:
    if (!chunk.empty())
        sink(chunk);
    return produced;
}

void Run(const char *label, size_t limit, const std::string &folder)
{
    std::printf("== %s\n", label);
    std::string path = folder + "/bench.aem";
    BenchTimer timer;
    auto combination = std::make_unique<TEuroMillonApuestas>();
    combination->Reserve(limit);
    size_t count = EnumerateBets(limit, [&](const std::vector<BetMask> &chunk) {
        combination->AppendMasks(chunk.data(), chunk.size());
    });
    std::printf("build   %10zu bets  %7.2f s   resident %7.1f MB\n", count, timer.Seconds(),
                ResidentMegabytes());

    timer.Restart();
    combination->SaveToFile(path);
    double saveSeconds = timer.Seconds();
    auto bytes = std::filesystem::file_size(path);
    std::printf("save    %10zu bytes %7.2f s   (%.0f MB/s)\n", static_cast<size_t>(bytes), saveSeconds,
                static_cast<double>(bytes) / (1024.0 * 1024.0) / saveSeconds);

    auto loaded = std::make_unique<TEuroMillonApuestas>();
    combination.reset(); // only the loaded copy in memory from here on
    double before = ResidentMegabytes();
    timer.Restart();
    loaded->LoadFromFile(path);
    std::printf("load    %10d bets  %7.2f s   resident %7.1f MB (%.1f before)\n", loaded->Count(),
                timer.Seconds(), ResidentMegabytes(), before);

    // Check the bets came back in order.
    size_t index = 0;
    bool same = static_cast<size_t>(loaded->Count()) == count;
    EnumerateBets(limit, [&](const std::vector<BetMask> &chunk) {
        for (BetMask mask : chunk)
            same = same && loaded->Mask(static_cast<int>(index++)) == mask;
    });
    std::printf("verify  %s\n", same ? "identical" : "DIFFERENT");
    std::filesystem::remove(path);
}

} // namespace

int main(int argc, char **argv)
{
    bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
    std::string folder = BenchScratchFolder("combination");
    std::printf("processors %u\n", ProcessorCount());
    Run("10,000,000 bets", 10000000, folder);
    if (!quick)
        Run("every simple bet of the game", 76275360, folder);
    std::printf("peak resident %.1f MB\n", PeakResidentMegabytes());
    std::filesystem::remove_all(folder);
    return 0;
}
