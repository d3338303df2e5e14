#include "exchange/bet_text_reader.h"

#include "model/euromillon_apuestas.h"
#include "model/file_stream.h"
#include "model/progress_throttle.h"

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

// Text written in UTF-16 or UTF-32 and known by its byte-order mark is
// narrowed to one byte per character before the scan. The scanner looks only
// at ASCII digits, the semicolon and the line ends, so every other character
// becomes a '?', which separates numbers as it did; read as bytes, the zero
// halves of each character would have split every number into single digits.
class TWideText {
public:
    // Looks at the first bytes of the text; returns the length of the mark
    // found (0: not a wide text, read as it stands).
    size_t Detect(const char *p, size_t n)
    {
        const auto byte = [p, n](size_t i) { return i < n ? static_cast<unsigned char>(p[i]) : 0x100u; };
        if (byte(0) == 0xFF && byte(1) == 0xFE && byte(2) == 0 && byte(3) == 0)
            Set(4, false);
        else if (byte(0) == 0 && byte(1) == 0 && byte(2) == 0xFE && byte(3) == 0xFF)
            Set(4, true);
        else if (byte(0) == 0xFF && byte(1) == 0xFE)
            Set(2, false);
        else if (byte(0) == 0xFE && byte(1) == 0xFF)
            Set(2, true);
        return unit_;
    }
    bool Wide() const { return unit_ != 0; }

    // The characters of the bytes given, one byte each; a character split
    // between two reads waits for the rest.
    void Narrow(const char *p, size_t n, std::vector<char> &out)
    {
        out.clear();
        for (size_t i = 0; i < n; ++i) {
            pending_[pendingCount_++] = static_cast<unsigned char>(p[i]);
            if (pendingCount_ < unit_)
                continue;
            uint32_t code = 0;
            for (size_t k = 0; k < unit_; ++k)
                code |= static_cast<uint32_t>(pending_[bigEndian_ ? unit_ - 1 - k : k]) << (8 * k);
            out.push_back(code < 0x80 ? static_cast<char>(code) : '?');
            pendingCount_ = 0;
        }
    }

private:
    void Set(size_t unit, bool bigEndian)
    {
        unit_ = unit;
        bigEndian_ = bigEndian;
    }

    size_t unit_ = 0;
    bool bigEndian_ = false;
    unsigned char pending_[4] = {};
    size_t pendingCount_ = 0;
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
    bool lineOpen = false; // characters seen since the last line end
    bool afterCR = false;  // a line feed right after a carriage return ends nothing

    auto endLine = [&] {
        BetMask bet = 0;
        const TLineClass lineClass = scanner.EndLine(bet);
        ++counts.lines;
        ++counts.byClass[static_cast<int>(lineClass)];
        if (lineClass == TLineClass::Bet)
            batch.Add(bet);
        lineOpen = false;
    };

    TWideText wide;
    std::vector<char> narrow;
    bool first = true;
    for (;;) {
        size_t got = stream.Read(chunk.data(), chunk.size());
        if (first) {
            // Enough bytes to tell the byte-order marks apart.
            while (got > 0 && got < 4) {
                const size_t more = stream.Read(chunk.data() + got, chunk.size() - got);
                if (more == 0)
                    break;
                got += more;
            }
        }
        if (got == 0)
            break;
        done += got;
        const char *p = chunk.data();
        const char *end = p + got;
        if (first) {
            first = false;
            p += wide.Detect(p, got);
        }
        if (wide.Wide()) {
            wide.Narrow(p, static_cast<size_t>(end - p), narrow);
            p = narrow.data();
            end = p + narrow.size();
        }
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

TBetTextCounts ReadBetTextFile(const std::string &path, const TBetSink &sink,
                               const TExchangeProgress &progress, int highestStar)
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
