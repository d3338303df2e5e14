#include "generator/guarantee_marks.h"

#include "generator/subset_rank.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <chrono>
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

    // Each set from the set without its lowest star: cheap enough to be
    // worked out by the compiler for 4096 sets.
    constexpr StarTables()
    {
        std::array<Word, Layout::kStars> withStar{};
        int index = 0;
        for (int a = 0; a < Layout::kStars; ++a)
            for (int b = a + 1; b < Layout::kStars; ++b) {
                pairIndex[static_cast<size_t>(a)][static_cast<size_t>(b)] = index;
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
    return Word{1} << Layout::kAnyBit | Word{stars} << Layout::kStarBitsShift | kStarTables<Layout>.within[stars];
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

} // namespace

template <typename Layout>
TGuaranteeMarks<Layout>::TGuaranteeMarks(const std::vector<BetMask> &bets, unsigned threads, const PauseFn &pause)
{
    for (int n = 1; n <= 5; ++n)
        words_[static_cast<size_t>(n)].assign(kBinomial(kGameNumbers, n), 0);
    if (threads == 0)
        threads = std::max(1u, std::thread::hardware_concurrency());
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
        for (size_t first = 0; first < bets.size() && !stop.load(std::memory_order_relaxed); first += kChunk) {
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
void TGuaranteeMarks<Layout>::Mark(const std::vector<BetMask> &bets, size_t first, size_t last, unsigned sizes)
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
