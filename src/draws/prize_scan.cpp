#include "draws/prize_scan.h"

#include "model/exception.h"
#include "model/format.h"
#include "model/game_rules.h"
#include "model/prize_categories.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

namespace {

// Hits are counted per chunk of bets, so that a page of them is found again
// by scanning one chunk; workers take a segment of chunks at a time and
// report progress after each.
constexpr size_t kChunkBets = 256;
constexpr size_t kSegmentChunks = 128;

// Category by (numbers hit << 4 | stars hit); 0 for no prize. 2+0 gives 13,
// which only a draw of 13 categories pays.
constexpr std::array<uint8_t, 64 * 16> MakeCategoryTable()
{
    std::array<uint8_t, 64 * 16> table{};
    for (int n = 0; n < 64; ++n)
        for (int s = 0; s < 16; ++s) {
            int c = CategoriaPremio(n, s, kMaxCategorias);
            table[static_cast<size_t>(n * 16 + s)] = static_cast<uint8_t>(c > 0 ? c : 0);
        }
    return table;
}

constexpr std::array<uint8_t, 64 * 16> kCategoryTable = MakeCategoryTable();

// Draws by value: for each number and each star, one bit per draw saying
// whether that draw holds it. A bet's hits against 64 draws at a time are then
// a few word operations: its five number rows are added bit-slice by
// bit-slice into a 3-bit count per draw, its two star rows into a 2-bit count.
class TDrawColumns {
public:
    TDrawColumns(const std::vector<BetMask> &draws, const std::vector<uint8_t> &categoryCounts)
        : words_((draws.size() + 63) / 64), bits_(kRows * words_, 0)
    {
        for (size_t j = 0; j < draws.size(); ++j) {
            for (int v = 0; v < kMaskBits; ++v)
                if (draws[j] & (BetMask{1} << v))
                    bits_[static_cast<size_t>(v + 1) * words_ + j / 64] |= uint64_t{1} << (j % 64);
            if (j < categoryCounts.size() && categoryCounts[j] >= kMaxCategorias)
                bits_[static_cast<size_t>(kPaysTwoNone) * words_ + j / 64] |= uint64_t{1} << (j % 64);
        }
    }

    size_t Words() const { return words_; }
    // Row 0 is empty, row v+1 holds bit v of the mask (number v+1, or star
    // v-49 from row 51 on).
    const uint64_t *Row(int row) const { return bits_.data() + static_cast<size_t>(row) * words_; }
    // The draws that pay 2+0 (those with 13 categories).
    const uint64_t *PaysTwoNone() const { return Row(kPaysTwoNone); }
    bool PaysTwoNone(size_t draw) const { return PaysTwoNone()[draw / 64] >> (draw % 64) & 1; }

private:
    static constexpr int kMaskBits = 50 + kMostStars;
    static constexpr int kPaysTwoNone = kMaskBits + 1;
    static constexpr int kRows = kMaskBits + 2;
    size_t words_;
    std::vector<uint64_t> bits_;
};

// Any bet, one draw at a time; for the rare stored bet that is not a simple one.
template <typename Sink>
void ScanOneByOne(BetMask bet, const std::vector<BetMask> &draws, const TDrawColumns &columns, Sink &sink)
{
    for (size_t j = 0; j < draws.size(); ++j) {
        const BetMask shared = bet & draws[j];
        unsigned categoria =
            kCategoryTable[static_cast<size_t>(CountNumbers(shared) << 4 | CountStars(shared))];
        if (categoria == kMaxCategorias && !columns.PaysTwoNone(j))
            continue;
        if (categoria != 0)
            sink(j, categoria);
    }
}

// A simple bet (at most 5 numbers and 2 stars) against every draw, 64 draws
// per step.
template <typename Sink> void ScanSimple(BetMask bet, const TDrawColumns &columns, Sink &sink)
{
    const uint64_t *n[5];
    const uint64_t *s[2];
    int count = 0;
    for (BetMask rest = bet & kNumberBits; rest != 0; rest &= rest - 1)
        n[count++] = columns.Row(std::countr_zero(rest) + 1);
    while (count < 5)
        n[count++] = columns.Row(0);
    count = 0;
    for (BetMask rest = bet & kAnyStarBits; rest != 0; rest &= rest - 1)
        s[count++] = columns.Row(std::countr_zero(rest) + 1);
    while (count < 2)
        s[count++] = columns.Row(0);

    for (size_t w = 0; w < columns.Words(); ++w) {
        const uint64_t a = n[0][w], b = n[1][w], c = n[2][w], d = n[3][w], e = n[4][w];
        // Two full adders give the numbers hit as bits n2 n1 n0.
        const uint64_t sum1 = a ^ b ^ c;
        const uint64_t carry1 = (a & b) | (c & (a ^ b));
        const uint64_t n0 = sum1 ^ d ^ e;
        const uint64_t carry2 = (sum1 & d) | (e & (sum1 ^ d));
        const uint64_t n1 = carry1 ^ carry2;
        const uint64_t n2 = carry1 & carry2;
        const uint64_t x = s[0][w], y = s[1][w];
        const uint64_t bothStars = x & y;
        const uint64_t anyStar = x | y;
        const uint64_t atLeast2 = n2 | n1;
        uint64_t wins = n2 | (n1 & n0) | (atLeast2 & anyStar) | ((atLeast2 | n0) & bothStars) |
                        (atLeast2 & columns.PaysTwoNone()[w]);
        while (wins != 0) {
            const int bit = std::countr_zero(wins);
            wins &= wins - 1;
            const unsigned numbers =
                static_cast<unsigned>((n2 >> bit & 1) << 2 | (n1 >> bit & 1) << 1 | (n0 >> bit & 1));
            const unsigned stars = static_cast<unsigned>((x >> bit & 1) + (y >> bit & 1));
            sink(w * 64 + static_cast<size_t>(bit), kCategoryTable[numbers << 4 | stars]);
        }
    }
}

template <typename Sink>
void ScanBet(BetMask bet, const std::vector<BetMask> &draws, const TDrawColumns &columns, Sink &sink)
{
    if (CountNumbers(bet) <= 5 && CountStars(bet) <= 2 && (bet >> (50 + kMostStars)) == 0)
        ScanSimple(bet, columns, sink);
    else
        ScanOneByOne(bet, draws, columns, sink);
}

} // namespace

BetMask SimpleBetMask(std::span<const int32_t> numbers, std::span<const int32_t> stars, int highestStar)
{
    BetMask mask = 0;
    int count = 0;
    for (int32_t n : numbers)
        if (n >= 1 && n <= 50 && count < 5 && !(mask & NumberBit(n))) {
            mask |= NumberBit(n);
            ++count;
        }
    count = 0;
    for (int32_t s : stars)
        if (s >= 1 && s <= highestStar && count < 2 && !(mask & StarBit(s))) {
            mask |= StarBit(s);
            ++count;
        }
    return mask;
}

struct TPrizeScan::TCache {
    std::optional<TDrawColumns> Columns;
    std::mutex Lock;
    size_t Chunk = SIZE_MAX; // the chunk whose hits Hits holds
    std::vector<THit> Hits;
};

TPrizeScan::TPrizeScan() : cache_(std::make_unique<TCache>()) {}
TPrizeScan::~TPrizeScan() = default;
// A scan moved from holds no hits.
TPrizeScan::TPrizeScan(TPrizeScan &&other) noexcept
    : bets_(std::exchange(other.bets_, {})), draws_(std::move(other.draws_)),
      chunkStart_(std::move(other.chunkStart_)), perDrawCategory_(std::move(other.perDrawCategory_)),
      total_(std::exchange(other.total_, 0)), cache_(std::move(other.cache_))
{
    other.chunkStart_.clear();
    other.perDrawCategory_.clear();
}

TPrizeScan &TPrizeScan::operator=(TPrizeScan &&other) noexcept
{
    if (this != &other) {
        bets_ = std::exchange(other.bets_, {});
        draws_ = std::move(other.draws_);
        chunkStart_ = std::move(other.chunkStart_);
        perDrawCategory_ = std::move(other.perDrawCategory_);
        total_ = std::exchange(other.total_, 0);
        cache_ = std::move(other.cache_);
        other.chunkStart_.clear();
        other.perDrawCategory_.clear();
    }
    return *this;
}

void TPrizeScan::Clear()
{
    bets_ = {};
    draws_.clear();
    chunkStart_.clear();
    perDrawCategory_.clear();
    total_ = 0;
    cache_ = std::make_unique<TCache>();
}

void TPrizeScan::Run(std::span<const BetMask> bets, const std::vector<BetMask> &draws, unsigned threads)
{
    Run(bets, draws, {}, threads);
}

void TPrizeScan::Run(std::span<const BetMask> bets, const std::vector<BetMask> &draws,
                     const std::vector<uint8_t> &categoryCounts, unsigned threads, const TProgress &progress)
{
    Clear();
    if (bets.size() > static_cast<size_t>(INT32_MAX) || draws.size() > static_cast<size_t>(INT32_MAX))
        throw EListError(FormatText("List index out of bounds (%d)", {static_cast<long long>(draws.size())}));
    if (bets.empty() || draws.empty())
        return;

    auto cache = std::make_unique<TCache>();
    cache->Columns.emplace(draws, categoryCounts);
    const TDrawColumns &columns = *cache->Columns;
    const size_t chunkCount = (bets.size() + kChunkBets - 1) / kChunkBets;
    const size_t segmentCount = (chunkCount + kSegmentChunks - 1) / kSegmentChunks;
    if (threads == 0)
        threads = std::max(1u, std::thread::hardware_concurrency());
    threads = static_cast<unsigned>(std::min<size_t>(threads, segmentCount));

    std::vector<uint64_t> chunkHits(chunkCount + 1, 0);
    std::vector<std::vector<uint64_t>> counts(threads, std::vector<uint64_t>(draws.size() * kMaxCategorias));
    std::atomic<size_t> next{0};
    std::atomic<int64_t> done{0};
    std::exception_ptr failure;
    std::mutex failureLock;

    auto work = [&](unsigned worker) {
        try {
            uint64_t *perDraw = counts[worker].data();
            for (size_t segment = next++; segment < segmentCount; segment = next++) {
                const size_t firstChunk = segment * kSegmentChunks;
                const size_t endChunk = std::min(chunkCount, firstChunk + kSegmentChunks);
                for (size_t chunk = firstChunk; chunk < endChunk; ++chunk) {
                    uint64_t hits = 0;
                    auto count = [&](size_t draw, unsigned categoria) {
                        ++perDraw[draw * kMaxCategorias + categoria - 1];
                        ++hits;
                    };
                    const size_t end = std::min(bets.size(), (chunk + 1) * kChunkBets);
                    for (size_t i = chunk * kChunkBets; i < end; ++i)
                        ScanBet(bets[i], draws, columns, count);
                    chunkHits[chunk] = hits;
                }
                const int64_t now = done += static_cast<int64_t>(
                    std::min(bets.size(), endChunk * kChunkBets) - firstChunk * kChunkBets);
                // Only the calling thread reports, so that a handler that
                // raises to stop the run is called where it expects.
                if (worker == 0 && progress)
                    progress(now, static_cast<int64_t>(bets.size()));
            }
        } catch (...) {
            std::lock_guard lock(failureLock);
            if (!failure)
                failure = std::current_exception();
            next = segmentCount; // the others stop at their next segment
        }
    };

    std::vector<std::thread> pool;
    for (unsigned t = 1; t < threads; ++t)
        pool.emplace_back(work, t);
    work(0);
    for (std::thread &thread : pool)
        thread.join();
    if (failure)
        std::rethrow_exception(failure);

    perDrawCategory_.assign(draws.size() * kMaxCategorias, 0);
    for (const auto &workerCounts : counts)
        for (size_t k = 0; k < workerCounts.size(); ++k)
            perDrawCategory_[k] += workerCounts[k];
    chunkStart_.resize(chunkCount + 1);
    uint64_t total = 0;
    for (size_t chunk = 0; chunk <= chunkCount; ++chunk) {
        chunkStart_[chunk] = total;
        total += chunkHits[chunk];
    }
    total_ = chunkStart_.back();
    bets_ = bets;
    draws_ = draws;
    cache_ = std::move(cache);
}

void TPrizeScan::ScanChunk(size_t chunk, std::vector<THit> &hits) const
{
    hits.clear();
    const size_t end = std::min(bets_.size(), (chunk + 1) * kChunkBets);
    for (size_t i = chunk * kChunkBets; i < end; ++i) {
        auto add = [&](size_t draw, unsigned categoria) {
            hits.push_back(
                {static_cast<int32_t>(i), static_cast<int32_t>(draw), static_cast<int32_t>(categoria)});
        };
        ScanBet(bets_[i], draws_, *cache_->Columns, add);
    }
}

TPrizeScan::THit TPrizeScan::Hit(uint64_t index) const
{
    if (index >= total_)
        throw EListError(FormatText("List index out of bounds (%d)", {static_cast<long long>(index)}));
    return Hits(index, 1).front();
}

std::vector<TPrizeScan::THit> TPrizeScan::Hits(uint64_t first, size_t count) const
{
    if (first > total_)
        throw EListError(FormatText("List index out of bounds (%d)", {static_cast<long long>(first)}));
    std::vector<THit> page;
    count = static_cast<size_t>(std::min<uint64_t>(count, total_ - first));
    if (count == 0)
        return page;
    page.reserve(count);
    std::lock_guard lock(cache_->Lock);
    // The chunk holding the first hit, then the chunks after it.
    auto it = std::upper_bound(chunkStart_.begin(), chunkStart_.end(), first);
    size_t chunk = static_cast<size_t>(it - chunkStart_.begin()) - 1;
    uint64_t index = first;
    while (page.size() < count) {
        if (cache_->Chunk != chunk) {
            ScanChunk(chunk, cache_->Hits);
            cache_->Chunk = chunk;
        }
        const uint64_t local = index - chunkStart_[chunk];
        const size_t take =
            std::min<size_t>(count - page.size(), cache_->Hits.size() - static_cast<size_t>(local));
        page.insert(page.end(), cache_->Hits.begin() + static_cast<ptrdiff_t>(local),
                    cache_->Hits.begin() + static_cast<ptrdiff_t>(local + take));
        index += take;
        ++chunk;
    }
    return page;
}

void TPrizeScan::ForEachHit(const std::function<void(const THit &)> &visit) const
{
    std::vector<THit> hits;
    for (size_t chunk = 0; chunk + 1 < chunkStart_.size(); ++chunk) {
        if (chunkStart_[chunk + 1] == chunkStart_[chunk])
            continue;
        ScanChunk(chunk, hits);
        for (const THit &hit : hits)
            visit(hit);
    }
}

uint64_t TPrizeScan::HitsOf(size_t draw, int categoria) const
{
    size_t slot = draw * kMaxCategorias + static_cast<size_t>(categoria - 1);
    return categoria >= 1 && categoria <= kMaxCategorias && slot < perDrawCategory_.size()
               ? perDrawCategory_[slot]
               : 0;
}
