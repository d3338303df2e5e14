#include "draws/prize_scan.h"

#include "draws/hit_block.h"
#include "model/prize_categories.h"
#include "model/exception.h"
#include "model/format.h"
#include "model/game_rules.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>

namespace {

constexpr size_t kMaxBetsPerSegment = 2048;
constexpr size_t kBlockEntries = size_t{1} << 24; // 64 MB of hits per block
constexpr uint32_t kMaxDraws = 1u << 28; // a hit keeps the draw in 28 bits
constexpr size_t kNarrowDraws = 1u << 12;  // or, below this, in 12 bits

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

// Where a run of bets puts its hits: room for every pair of the run is set
// aside beforehand, so adding a hit needs no check.
template <typename Entry> struct TScanOutput {
    std::vector<uint64_t> &BetEnd;
    Entry *Entries;
    uint64_t *PerDrawCategory;
    size_t Used = 0;

    void Add(size_t draw, unsigned categoria)
    {
        Entries[Used++] = static_cast<Entry>(draw << 4 | categoria);
        ++PerDrawCategory[draw * kMaxCategorias + categoria - 1];
    }
};

// Any bet, one draw at a time; for the rare stored bet that is not a simple one.
template <typename Entry>
void ScanOneByOne(BetMask bet, const std::vector<BetMask> &draws, const TDrawColumns &columns, TScanOutput<Entry> &out)
{
    for (size_t j = 0; j < draws.size(); ++j) {
        const BetMask shared = bet & draws[j];
        unsigned categoria = kCategoryTable[static_cast<size_t>(CountNumbers(shared) << 4 | CountStars(shared))];
        if (categoria == kMaxCategorias && !columns.PaysTwoNone(j))
            continue;
        if (categoria != 0)
            out.Add(j, categoria);
    }
}

// A simple bet (at most 5 numbers and 2 stars) against every draw, 64 draws
// per step.
template <typename Entry> void ScanSimple(BetMask bet, const TDrawColumns &columns, TScanOutput<Entry> &out)
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
            const unsigned numbers = static_cast<unsigned>((n2 >> bit & 1) << 2 | (n1 >> bit & 1) << 1 | (n0 >> bit & 1));
            const unsigned stars = static_cast<unsigned>((x >> bit & 1) + (y >> bit & 1));
            out.Add(w * 64 + static_cast<size_t>(bit), kCategoryTable[numbers << 4 | stars]);
        }
    }
}

template <typename Entry>
void ScanBets(const BetMask *bets, size_t betCount, const std::vector<BetMask> &draws, const TDrawColumns &columns,
              TScanOutput<Entry> &out)
{
    for (size_t i = 0; i < betCount; ++i) {
        if (CountNumbers(bets[i]) <= 5 && CountStars(bets[i]) <= 2 && (bets[i] >> (50 + kMostStars)) == 0)
            ScanSimple(bets[i], columns, out);
        else
            ScanOneByOne(bets[i], draws, columns, out);
        out.BetEnd.push_back(out.Used);
    }
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

TPrizeScan::TPrizeScan() = default;
TPrizeScan::~TPrizeScan() = default;

void TPrizeScan::Clear()
{
    segments_.clear();
    blocks_.clear();
    segmentStart_.clear();
    perDrawCategory_.clear();
    total_ = 0;
}

void TPrizeScan::Run(const std::vector<BetMask> &bets, const std::vector<BetMask> &draws, unsigned threads)
{
    Run(bets, draws, {}, threads);
}

void TPrizeScan::Run(const std::vector<BetMask> &bets, const std::vector<BetMask> &draws,
                     const std::vector<uint8_t> &categoryCounts, unsigned threads)
{
    Clear();
    if (draws.size() >= kMaxDraws || bets.size() > static_cast<size_t>(INT32_MAX))
        throw EListError(FormatText("List index out of bounds (%d)", {static_cast<long long>(draws.size())}));
    if (bets.empty() || draws.empty())
        return;

    // Hits name their draw in 12 bits while there are fewer than 4096 draws
    // (two bytes a hit), in 28 bits beyond.
    wide_ = draws.size() >= kNarrowDraws;
    // A run of bets never has more pairs than a block holds.
    const size_t betsPerSegment = std::clamp<size_t>(kBlockEntries / draws.size(), 1, kMaxBetsPerSegment);
    const size_t blockEntries =
        std::max(betsPerSegment * draws.size(), std::min(kBlockEntries, bets.size() * draws.size()));
    size_t segmentCount = (bets.size() + betsPerSegment - 1) / betsPerSegment;
    if (threads == 0)
        threads = std::max(1u, std::thread::hardware_concurrency());
    threads = static_cast<unsigned>(std::min<size_t>(threads, segmentCount));

    const TDrawColumns columns(draws, categoryCounts);
    std::vector<TSegment> segments(segmentCount);
    std::vector<std::vector<uint64_t>> counts(threads, std::vector<uint64_t>(draws.size() * kMaxCategorias));
    std::vector<std::vector<std::unique_ptr<THitBlock>>> blocks(threads);
    std::atomic<size_t> next{0};
    std::exception_ptr failure;
    std::mutex failureLock;

    auto work = [&](unsigned worker) {
        try {
            // Each worker fills blocks of its own, run after run.
            for (size_t s = next++; s < segmentCount; s = next++) {
                TSegment &segment = segments[s];
                size_t first = s * betsPerSegment;
                size_t count = std::min(betsPerSegment, bets.size() - first);
                auto &own = blocks[worker];
                if (own.empty() || own.back()->Free() < count * draws.size())
                    own.push_back(std::make_unique<THitBlock>(blockEntries, wide_ ? 4 : 2));
                THitBlock &block = *own.back();
                segment.FirstBet = static_cast<int32_t>(first);
                segment.BetEnd.reserve(count);
                segment.Entries = wide_ ? static_cast<void *>(block.End<uint32_t>()) : block.End<uint16_t>();
                size_t used = 0;
                if (wide_) {
                    TScanOutput<uint32_t> out{segment.BetEnd, block.End<uint32_t>(), counts[worker].data()};
                    ScanBets(bets.data() + first, count, draws, columns, out);
                    used = out.Used;
                } else {
                    TScanOutput<uint16_t> out{segment.BetEnd, block.End<uint16_t>(), counts[worker].data()};
                    ScanBets(bets.data() + first, count, draws, columns, out);
                    used = out.Used;
                }
                segment.EntryCount = used;
                block.Commit(used);
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

    for (auto &own : blocks)
        for (auto &block : own)
            blocks_.push_back(std::move(block));
    perDrawCategory_.assign(draws.size() * kMaxCategorias, 0);
    for (const auto &workerCounts : counts)
        for (size_t k = 0; k < workerCounts.size(); ++k)
            perDrawCategory_[k] += workerCounts[k];
    segments_ = std::move(segments);
    segmentStart_.reserve(segments_.size());
    for (const TSegment &segment : segments_) {
        segmentStart_.push_back(total_);
        total_ += segment.EntryCount;
    }
}

TPrizeScan::THit TPrizeScan::Hit(uint64_t index) const
{
    if (index >= total_)
        throw EListError(FormatText("List index out of bounds (%d)", {static_cast<long long>(index)}));
    auto segmentIt = std::upper_bound(segmentStart_.begin(), segmentStart_.end(), index) - 1;
    const TSegment &segment = segments_[static_cast<size_t>(segmentIt - segmentStart_.begin())];
    uint64_t local = index - *segmentIt;
    auto betIt = std::upper_bound(segment.BetEnd.begin(), segment.BetEnd.end(), local);
    uint32_t entry = wide_ ? static_cast<const uint32_t *>(segment.Entries)[local]
                           : static_cast<const uint16_t *>(segment.Entries)[local];
    THit hit;
    hit.Apuesta = segment.FirstBet + static_cast<int32_t>(betIt - segment.BetEnd.begin());
    hit.Sorteo = static_cast<int32_t>(entry >> 4);
    hit.Categoria = static_cast<int32_t>(entry & 15);
    return hit;
}

uint64_t TPrizeScan::HitsOf(size_t draw, int categoria) const
{
    size_t slot = draw * kMaxCategorias + static_cast<size_t>(categoria - 1);
    return categoria >= 1 && categoria <= kMaxCategorias && slot < perDrawCategory_.size() ? perDrawCategory_[slot]
                                                                                         : 0;
}
