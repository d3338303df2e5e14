#include "exchange/bet_text_reader.h"

#include "model/progress_throttle.h"
#include "model/euromillon_apuestas.h"
#include "model/file_stream.h"

#include <string_view>
#include <vector>

namespace {

constexpr size_t kChunkSize = 1 << 20;
constexpr size_t kBatchSize = 1 << 16;

// Hands on the bets found in batches, so the sink is called seldom and the
// reader never holds more than one batch.
class TBetBatch {
public:
    explicit TBetBatch(const TBetSink &sink) : sink_(sink) { bets_.reserve(kBatchSize); }
    void Add(BetMask bet)
    {
        bets_.push_back(bet);
        if (bets_.size() == kBatchSize)
            Flush();
    }
    void Flush()
    {
        if (!bets_.empty() && sink_)
            sink_(bets_.data(), bets_.size());
        bets_.clear();
    }

private:
    const TBetSink &sink_;
    std::vector<BetMask> bets_;
};

} // namespace

TBetTextCounts ReadBetText(TStream &stream, const TBetSink &sink, const TExchangeProgress &progress,
                           int highestStar)
{
    const uint64_t total = progress ? static_cast<uint64_t>(stream.Size() - stream.Position()) : 0;
    uint64_t done = 0;
    TProgressThrottle throttle(SystemTickCount, 1);
    TBetTextCounts counts;
    TBetBatch batch(sink);
    TBetLineScanner scanner(highestStar);
    std::vector<char> chunk(kChunkSize);
    bool lineOpen = false;  // characters seen since the last line end
    bool afterCR = false;   // a line feed right after a carriage return ends nothing

    auto endLine = [&] {
        BetMask bet = 0;
        const TLineClass lineClass = scanner.EndLine(bet);
        ++counts.lines;
        ++counts.byClass[static_cast<int>(lineClass)];
        if (lineClass == TLineClass::Bet)
            batch.Add(bet);
        lineOpen = false;
    };

    for (;;) {
        const size_t got = stream.Read(chunk.data(), chunk.size());
        if (got == 0)
            break;
        done += got;
        const char *p = chunk.data();
        const char *end = p + got;
        while (p < end) {
            if (afterCR && *p == '\n') {
                afterCR = false;
                ++p;
                continue;
            }
            afterCR = false;
            const char *stop = p;
            while (stop < end && *stop != '\r' && *stop != '\n')
                ++stop;
            if (stop > p) {
                scanner.Feed(std::string_view(p, static_cast<size_t>(stop - p)));
                lineOpen = true;
            }
            if (stop == end)
                break;
            afterCR = *stop == '\r';
            endLine();
            p = stop + 1;
        }
        if (progress && throttle.Due()) {
            progress(done, total);
            throttle.Reported();
        }
    }
    if (lineOpen)
        endLine();
    batch.Flush();
    return counts;
}

TBetTextCounts ReadBetTextFile(const std::string &path, const TBetSink &sink, const TExchangeProgress &progress,
                               int highestStar)
{
    TFileStream stream(path, FileMode::OpenRead);
    return ReadBetText(stream, sink, progress, highestStar);
}

TBetTextCounts ImportBetTextFile(const std::string &path, TEuroMillonApuestas &into,
                                 const TExchangeProgress &progress)
{
    // Bets are appended as they come; a read abandoned half-way takes them
    // out again, so the combination is left as it was.
    const int before = into.Count();
    const bool wasModified = into.Modified();
    into.BeginUpdate();
    try {
        const TBetTextCounts counts = ReadBetTextFile(
            path, [&into](const BetMask *bets, size_t count) { into.AppendMasks(bets, count); }, progress,
            GameRules(into.Edition()).HighestStar);
        into.EndUpdate();
        return counts;
    } catch (...) {
        if (into.Count() > before)
            into.DeleteRange(before, into.Count() - 1);
        into.EndUpdate();
        into.SetModified(wasModified);
        throw;
    }
}
