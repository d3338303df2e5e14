#include "generator/guarantee_marks.h"

#include "generator/subset_rank.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <chrono>
#include <exception>
#include <mutex>
#include <thread>

namespace {

constexpr int kGameNumbers = 50;

// The pair words of every star set of a game of Layout::kStars stars.
template <typename Layout> struct StarTables {
    using Word = typename Layout::Word;
    static constexpr size_t kSets = size_t{1} << Layout::kStars;
    std::array<Word, kSets> anyStar{};
    std::array<Word, kSets> within{};
    std::array<std::array<int, Layout::kStars>, Layout::kStars> pairIndex{};
    // The pair index + 1 of a set of exactly two stars; 0 for other sets.
    std::array<uint8_t, kSets> pairOfSet{};

    // Each set from the set without its lowest star: cheap enough to be
    // worked out by the compiler for 4096 sets.
    constexpr StarTables()
    {
        std::array<Word, Layout::kStars> withStar{};
        int index = 0;
        for (int a = 0; a < Layout::kStars; ++a)
            for (int b = a + 1; b < Layout::kStars; ++b) {
                pairIndex[static_cast<size_t>(a)][static_cast<size_t>(b)] = index;
                pairOfSet[(size_t{1} << a) | (size_t{1} << b)] = static_cast<uint8_t>(index + 1);
                const Word bit = Word{1} << index++;
                withStar[static_cast<size_t>(a)] |= bit;
                withStar[static_cast<size_t>(b)] |= bit;
            }
        for (unsigned set = 1; set < kSets; ++set) {
            const auto lowest = static_cast<size_t>(std::countr_zero(set));
            const unsigned rest = set & (set - 1);
            anyStar[set] = anyStar[rest] | withStar[lowest];
            within[set] = within[rest] | (withStar[lowest] & anyStar[rest]);
        }
    }
};

template <typename Layout> constexpr StarTables<Layout> kStarTables{};

// Size and lowest position of each subset of five positions, by table: the
// build does not assume a processor with bit-counting instructions.
struct SubsetSizes {
    std::array<int, 32> size{};
    std::array<int, 32> lowest{};
    constexpr SubsetSizes()
    {
        for (unsigned subset = 1; subset < 32; ++subset) {
            size[subset] = size[subset >> 1] + static_cast<int>(subset & 1);
            lowest[subset] = (subset & 1) ? 0 : lowest[subset >> 1] + 1;
        }
    }
};

constexpr SubsetSizes kSubsetSizes{};

// The word a bet's stars set for each set of its numbers.
template <typename Layout> typename Layout::Word StarPattern(BetMask bet)
{
    using Word = typename Layout::Word;
    const auto stars = static_cast<unsigned>((bet & kAnyStarBits) >> kStarShift) & Layout::kStarSetBits;
    return Word{1} << Layout::kAnyBit | Word{stars} << Layout::kStarBitsShift |
           kStarTables<Layout>.within[stars];
}

// The mirrored values (49 - (v - 1)) of a mask's numbers, ascending.
int MirroredNumbers(BetMask mask, int *mirrored)
{
    int count = 0;
    for (BetMask rest = mask & kNumberBits; rest != 0; rest &= rest - 1)
        ++count;
    int j = count;
    for (BetMask rest = mask & kNumberBits; rest != 0; rest &= rest - 1)
        mirrored[--j] = kGameNumbers - 1 - std::countr_zero(rest);
    return count;
}

// Visits every subset of 1 to 5 of the ascending values, with its size and
// colexicographic rank.
template <typename Visit>
void EachSubset(const int *values, int count, int from, int size, uint64_t rank, Visit &&visit)
{
    for (int i = from; i < count; ++i) {
        const uint64_t subsetRank = rank + kBinomial(values[i], size + 1);
        visit(size + 1, subsetRank);
        if (size + 1 < 5)
            EachSubset(values, count, i + 1, size + 1, subsetRank, visit);
    }
}

// From this many bets on, the rank table costs less than the subsets.
constexpr size_t kRankMarkingFrom = size_t{1} << 17;
constexpr uint64_t kQuintets = kBinomial(kGameNumbers, 5);
// The colexicographic rank of a set of five numbers (of their mirrored
// values) in parts: the k-th smallest number, at bit v, adds C(49 - v, 5 - k).
struct TQuintetRankParts {
    std::array<std::array<uint32_t, kGameNumbers>, 5> part{};
    constexpr TQuintetRankParts()
    {
        for (size_t k = 0; k < 5; ++k)
            for (int v = 0; v < kGameNumbers; ++v)
                part[k][static_cast<size_t>(v)] =
                    static_cast<uint32_t>(kBinomial(kGameNumbers - 1 - v, 5 - static_cast<int>(k)));
    }
};

constexpr TQuintetRankParts kQuintetRank{};

// Most tables filled at once: each costs 9.5 MB (17.5 MB today).
constexpr unsigned kMostRankTables = 4;

// Visits every set of `size` values below 50, ascending, in colexicographic
// order, so that the visit's rank counts up from 0.
template <typename Visit> void EachSetColex(int size, Visit &&visit)
{
    int values[5];
    for (int j = 0; j < size; ++j)
        values[j] = j;
    for (uint64_t rank = 0;; ++rank) {
        visit(static_cast<const int *>(values), rank);
        int j = 0;
        while (j < size - 1 && values[j] + 1 == values[j + 1])
            ++j;
        if (values[j] + 1 == (j == size - 1 ? kGameNumbers : values[j + 1]))
            return;
        ++values[j];
        for (int q = 0; q < j; ++q)
            values[q] = q;
    }
}

// `count` bits of a bit table from bit `first` on; the table has two words
// to spare past its last bit.
template <typename Word> Word TableBits(const uint64_t *table, uint64_t first, int count)
{
    size_t index = static_cast<size_t>(first >> 6);
    const int offset = static_cast<int>(first & 63);
    unsigned __int128 bits = table[index] >> offset;
    for (int have = 64 - offset; have < count; have += 64)
        bits |= static_cast<unsigned __int128>(table[++index]) << have;
    return static_cast<Word>(bits & ((static_cast<unsigned __int128>(1) << count) - 1));
}
} // namespace

void CountBet(BetMask bet, TBetCensus &census)
{
    census.Values |= bet;
    ++census.Sizes[static_cast<size_t>(std::min(7, CountNumbers(bet)))][static_cast<size_t>(CountStars(bet))];
}

template <typename Layout>
TGuaranteeMarks<Layout>::TGuaranteeMarks(const std::vector<BetMask> &bets, unsigned threads,
                                         const PauseFn &pause, TMarking marking)
{
    for (int n = 1; n <= 5; ++n)
        words_[static_cast<size_t>(n)].assign(kBinomial(kGameNumbers, n), 0);
    if (threads == 0)
        threads = std::max(1u, std::thread::hardware_concurrency());
    if (marking == TMarking::Auto)
        marking = bets.size() >= kRankMarkingFrom ? TMarking::ByRank : TMarking::BySubsets;
    marking_ = marking;
    if (marking == TMarking::ByRank)
        MarkByRank(bets, threads, pause);
    else
        MarkBySubsets(bets, threads, pause);
}

template <typename Layout>
void TGuaranteeMarks<Layout>::MarkBySubsets(const std::vector<BetMask> &bets, unsigned threads,
                                            const PauseFn &pause)
{
    for (BetMask bet : bets)
        CountBet(bet, census_);
    // Each thread owns whole tables, so no word is written by two threads:
    // the large table of sets of five against the other four.
    constexpr unsigned kFives = 1u << 5;
    constexpr unsigned kSmaller = (1u << 1) | (1u << 2) | (1u << 3) | (1u << 4);
    // Millions of bets take seconds: both threads mark in chunks, and the
    // calling thread pauses between its chunks (and while it waits for the
    // helper), so that its owner can show progress or stop. Progress is what
    // the slower thread has marked.
    constexpr size_t kChunk = size_t{1} << 16;
    std::atomic<bool> stop{false};
    std::atomic<size_t> helperDone{0};
    size_t ownDone = 0;
    bool helping = false;
    auto paused = [&] {
        const size_t done = helping ? std::min(ownDone, helperDone.load()) : ownDone;
        if (pause && done < bets.size() && pause(done, bets.size()))
            stop = true;
        return stop.load();
    };
    auto markInChunks = [&](unsigned sizes, std::atomic<size_t> *published) {
        for (size_t first = 0; first < bets.size() && !stop.load(std::memory_order_relaxed);
             first += kChunk) {
            const size_t last = std::min(first + kChunk, bets.size());
            Mark(bets, first, last, sizes);
            if (published) {
                published->store(last);
            } else {
                ownDone = last;
                paused();
            }
        }
    };
    if (threads < 2 || bets.size() < 4096) {
        markInChunks(kFives | kSmaller, nullptr);
    } else {
        helping = true;
        std::thread helper([&] { markInChunks(kSmaller, &helperDone); });
        markInChunks(kFives, nullptr);
        while (!stop.load() && helperDone.load() < bets.size()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            paused();
        }
        helper.join();
    }
    complete_ = !stop.load();
}

template <typename Layout>
void TGuaranteeMarks<Layout>::MarkByRank(const std::vector<BetMask> &bets, unsigned threads,
                                         const PauseFn &pause)
{
    constexpr uint64_t kBits = kQuintets * static_cast<uint64_t>(Layout::kPairs);
    constexpr size_t kTableWords = static_cast<size_t>(kBits / 64) + 3;
    constexpr size_t kChunk = size_t{1} << 14;
    const size_t chunks = (bets.size() + kChunk - 1) / kChunk;
    // Each thread sets bits in a table of its own; the tables are ORed when
    // read, so no word is written by two threads.
    const auto workers =
        static_cast<unsigned>(std::clamp<size_t>(chunks, 1, std::min(threads, kMostRankTables)));
    std::vector<std::vector<uint64_t>> tables(workers);
    std::vector<std::vector<BetMask>> others(workers);
    std::atomic<size_t> marked{0};
    std::atomic<bool> stop{false};
    std::exception_ptr failure;
    std::mutex failureLock;
    std::mutex censusLock;
    auto paused = [&] {
        const size_t done = marked.load();
        if (pause && done < bets.size() && pause(done, bets.size()))
            stop = true;
        return stop.load();
    };
    auto work = [&](unsigned worker) {
        try {
            std::vector<uint64_t> &table = tables[worker];
            table.assign(kTableWords, 0);
            BetMask values = 0;
            int64_t simple = 0;
            // Chunks dealt in turn, so that the calling thread pauses after
            // each of its share whatever the others do.
            for (size_t chunk = worker; chunk < chunks && !stop.load(std::memory_order_relaxed);
                 chunk += workers) {
                const size_t first = chunk * kChunk;
                const size_t last = std::min(first + kChunk, bets.size());
                for (size_t i = first; i < last; ++i) {
                    const BetMask bet = bets[i];
                    const unsigned pair =
                        kStarTables<Layout>.pairOfSet[static_cast<size_t>(bet >> kStarShift) &
                                                      Layout::kStarSetBits];
                    BetMask rest = bet & kNumberBits;
                    uint64_t rank = 0;
                    int k = 0;
                    for (; k < 5 && rest != 0; ++k, rest &= rest - 1)
                        rank +=
                            kQuintetRank
                                .part[static_cast<size_t>(k)][static_cast<size_t>(std::countr_zero(rest))];
                    if (pair == 0 || k < 5 || rest != 0) {
                        others[worker].push_back(bet);
                        continue;
                    }
                    values |= bet;
                    ++simple;
                    const uint64_t bit = rank * Layout::kPairs + (pair - 1);
                    table[static_cast<size_t>(bit >> 6)] |= uint64_t{1} << (bit & 63);
                }
                marked += last - first;
                if (worker == 0)
                    paused();
            }
            std::lock_guard<std::mutex> lock(censusLock);
            census_.Values |= values;
            census_.Sizes[5][2] += simple;
        } catch (...) {
            std::lock_guard<std::mutex> lock(failureLock);
            if (!failure)
                failure = std::current_exception();
            stop = true;
        }
    };
    // The first pause comes before any bet, so that a stop is heard however
    // the helpers share the chunks.
    if (paused()) {
        complete_ = false;
        return;
    }
    std::vector<std::thread> helpers;
    for (unsigned worker = 1; worker < workers; ++worker)
        helpers.emplace_back(work, worker);
    work(0);
    while (!stop.load() && marked.load() < bets.size()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        paused();
    }
    for (std::thread &helper : helpers)
        helper.join();
    if (failure)
        std::rethrow_exception(failure);
    complete_ = !stop.load();
    if (!complete_)
        return;

    // Bets that are not simple bets, then the sets of five from the tables.
    for (const std::vector<BetMask> &rest : others)
        for (BetMask bet : rest) {
            CountBet(bet, census_);
            Mark(bet);
        }
    std::vector<Word> &fives = words_[5];
    EachSetColex(5, [&](const int *, uint64_t rank) {
        Word pairs = 0;
        for (const std::vector<uint64_t> &table : tables)
            pairs |= TableBits<Word>(table.data(), rank * Layout::kPairs, Layout::kPairs);
        if (pairs == 0)
            return;
        Word word = Word{1} << Layout::kAnyBit | pairs;
        for (int star = 0; star < Layout::kStars; ++star)
            if ((pairs & kStarTables<Layout>.anyStar[1u << star]) != 0)
                word |= Word{1} << (Layout::kStarBitsShift + star);
        fives[rank] |= word;
    });
    tables.clear();
    CloseDownwards();
}

template <typename Layout> void TGuaranteeMarks<Layout>::CloseDownwards()
{
    for (int size = 5; size >= 2; --size) {
        const std::vector<Word> &from = words_[static_cast<size_t>(size)];
        std::vector<Word> &to = words_[static_cast<size_t>(size - 1)];
        EachSetColex(size, [&](const int *values, uint64_t rank) {
            const Word word = from[rank];
            if (word == 0)
                return;
            // Without value i, the values above it move one place down.
            uint64_t below = 0;
            for (int i = 0; i < size; ++i) {
                uint64_t subset = below;
                for (int j = i + 1; j < size; ++j)
                    subset += kBinomial(values[j], j);
                to[subset] |= word;
                below += kBinomial(values[i], i + 1);
            }
        });
    }
}

template <typename Layout>
void TGuaranteeMarks<Layout>::Mark(const std::vector<BetMask> &bets, size_t first, size_t last,
                                   unsigned sizes)
{
    int mirrored[kGameNumbers];
    for (size_t i = first; i < last; ++i) {
        const BetMask bet = bets[i];
        const Word pattern = StarPattern<Layout>(bet);
        const int count = MirroredNumbers(bet, mirrored);
        EachSubset(mirrored, count, 0, 0, 0, [&](int size, uint64_t rank) {
            if ((sizes >> size) & 1)
                words_[static_cast<size_t>(size)][rank] |= pattern;
        });
    }
}

template <typename Layout> void TGuaranteeMarks<Layout>::Mark(BetMask bet)
{
    int mirrored[kGameNumbers];
    const Word pattern = StarPattern<Layout>(bet);
    const int count = MirroredNumbers(bet, mirrored);
    EachSubset(mirrored, count, 0, 0, 0,
               [&](int size, uint64_t rank) { words_[static_cast<size_t>(size)][rank] |= pattern; });
}

template <typename Layout> typename Layout::Word TGuaranteeMarks<Layout>::Quintet(BetMask numbers) const
{
    int mirrored[kGameNumbers];
    if (MirroredNumbers(numbers, mirrored) != 5)
        return 0;
    return words_[5][ColexRank(mirrored, 5)];
}

template <typename Layout>
void TGuaranteeMarks<Layout>::Collect(BetMask numbers, std::array<Word, 6> &bySize) const
{
    // Positions hold the mirrored values descending (the numbers ascending).
    // A subset's rank adds C(value, j + 1) for its j-th smallest mirrored
    // value, and the lowest position of a subset holds its largest mirrored
    // value: rank(subset) = rank(subset without it) + C(value, size).
    int mirrored[5];
    int count = 0;
    for (BetMask rest = numbers & kNumberBits; rest != 0 && count < 5; rest &= rest - 1)
        mirrored[count++] = kGameNumbers - 1 - std::countr_zero(rest);
    bySize = {};
    uint64_t rank[32];
    rank[0] = 0;
    for (unsigned subset = 1; subset < (1u << count); ++subset) {
        const int size = kSubsetSizes.size[subset];
        rank[subset] = rank[subset & (subset - 1)] + kBinomial(mirrored[kSubsetSizes.lowest[subset]], size);
        bySize[static_cast<size_t>(size)] |= words_[static_cast<size_t>(size)][rank[subset]];
    }
}

template <typename Layout> int TGuaranteeMarks<Layout>::PairIndex(int lowStar, int highStar)
{
    return kStarTables<Layout>.pairIndex[static_cast<size_t>(lowStar - 1)][static_cast<size_t>(highStar - 1)];
}

template <typename Layout> typename Layout::Word TGuaranteeMarks<Layout>::PairsWithAnyStar(unsigned starSet)
{
    return kStarTables<Layout>.anyStar[starSet & Layout::kStarSetBits];
}

template <typename Layout> typename Layout::Word TGuaranteeMarks<Layout>::PairsWithin(unsigned starSet)
{
    return kStarTables<Layout>.within[starSet & Layout::kStarSetBits];
}

template <typename Layout> size_t TGuaranteeMarks<Layout>::Bytes() const
{
    size_t bytes = 0;
    for (const std::vector<Word> &table : words_)
        bytes += table.size() * sizeof(Word);
    return bytes;
}

template class TGuaranteeMarks<TClassicMarkLayout>;
template class TGuaranteeMarks<TCurrentMarkLayout>;
