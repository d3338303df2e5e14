// Import and export of bets: a 1,000,000-bet combination written as a
// workbook (.xlsx) and as text, then the text read back. Prints seconds,
// seconds per million lines read, and the peak memory of each step.
//   bench_exchange [bets]   (default 1000000)

#include "exchange/bet_text_reader.h"
#include "exchange/bet_text_writer.h"
#include "exchange/bet_workbook.h"
#include "model/euromillon_apuestas.h"
#include "support/bench_support.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::vector<BetMask> RandomBets(size_t count)
{
    std::vector<BetMask> bets;
    bets.reserve(count);
    uint64_t state = 88172645463325252ull;
    auto next = [&state](int bound) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return static_cast<int>(state % static_cast<uint64_t>(bound)) + 1;
    };
    while (bets.size() < count) {
        BetMask bet = 0;
        while (CountNumbers(bet) < 5)
            bet |= NumberBit(next(50));
        while (CountStars(bet) < 2)
            bet |= StarBit(next(9));
        bets.push_back(bet);
    }
    return bets;
}

// Processor time of this process so far: on a shared machine the wall clock
// also counts the time other programs had the processors.
double CpuSeconds()
{
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

double FileMegabytes(const std::string &path)
{
    return static_cast<double>(std::filesystem::file_size(path)) / (1024.0 * 1024.0);
}

} // namespace

int main(int argc, char *argv[])
{
    const size_t count = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1000000;
    const std::string folder = BenchScratchFolder("exchange");
    std::printf("bench_exchange: %zu bets, %u processors\n", count, ProcessorCount());

    const std::vector<BetMask> bets = RandomBets(count);
    const double baseline = PeakResidentMegabytes();
    std::printf("  bets in memory               peak %7.1f MB\n", baseline);

    // The workbook first, so that its peak is not hidden by a later step.
    const std::string book = folder + "/bench.xlsx";
    BenchTimer timer;
    double cpu = CpuSeconds();
    WriteBetWorkbook(book, SheetNameFor("Bench exchange"), bets);
    const double bookSeconds = timer.Seconds();
    std::printf("  xlsx export    %8.2f s (%.2f s processor)  peak %7.1f MB (+%.1f MB)  file %.1f MB\n",
                bookSeconds, CpuSeconds() - cpu, PeakResidentMegabytes(), PeakResidentMegabytes() - baseline,
                FileMegabytes(book));

    const std::string text = folder + "/bench.txt";
    timer.Restart();
    WriteBetTextFile(text, bets, ".", "-");
    std::printf("  text export    %8.2f s    peak %7.1f MB  file %.1f MB\n", timer.Seconds(),
                PeakResidentMegabytes(), FileMegabytes(text));

    // Reading only: every line classified, the bets counted and dropped.
    size_t found = 0;
    timer.Restart();
    cpu = CpuSeconds();
    const TBetTextCounts counts = ReadBetTextFile(text, [&found](const BetMask *, size_t n) { found += n; });
    const double readSeconds = timer.Seconds();
    const double perMillion = readSeconds * 1e6 / static_cast<double>(counts.lines ? counts.lines : 1);
    std::printf(
        "  text read      %8.2f s (%.2f s processor)  %.3f s per million lines  (%lld lines, %zu bets)\n",
        readSeconds, CpuSeconds() - cpu, perMillion, static_cast<long long>(counts.lines), found);

    // Reading into a combination, as the import window and command do.
    TEuroMillonApuestas imported;
    timer.Restart();
    ImportBetTextFile(text, imported);
    const double importSeconds = timer.Seconds();
    std::printf("  text import    %8.2f s    %.3f s per million lines  peak %7.1f MB  %s\n", importSeconds,
                importSeconds * 1e6 / static_cast<double>(counts.lines ? counts.lines : 1),
                PeakResidentMegabytes(),
                imported.Masks() == bets ? "round trip equal" : "ROUND TRIP DIFFERS");

    // The import window appends what it read bet by bet through InsertRange.
    TEuroMillonApuestas target;
    timer.Restart();
    target.InsertRange(imported, 0, imported.Count() - 1, target.Count());
    std::printf("  append (InsertRange) %5.2f s    peak %7.1f MB\n", timer.Seconds(),
                PeakResidentMegabytes());

    std::filesystem::remove_all(folder);
    return imported.Masks() == bets ? 0 : 1;
}
