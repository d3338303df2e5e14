#include "generator/guarantee_analyser.h"

#include "generator/guarantee_marks.h"
#include "generator/mask_enumeration.h"
#include "generator/subset_rank.h"
#include "model/prize_categories.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <exception>
#include <mutex>
#include <thread>

namespace {

constexpr size_t kBlock = 1024; // sets of five numbers per block of work

// Bits set in a set of pairs (36 bits in the classic game, 66 today), by
// table: the build does not assume a processor with a popcount instruction,
// and the library call costs more than the rest of a category's test.
struct TPairCounts {
    std::array<uint8_t, 4096> ofTwelveBits{};
    constexpr TPairCounts()
    {
        for (unsigned value = 1; value < 4096; ++value)
            ofTwelveBits[value] = static_cast<uint8_t>(ofTwelveBits[value >> 1] + (value & 1));
    }
    int operator()(uint64_t pairs) const
    {
        return ofTwelveBits[pairs & 4095] + ofTwelveBits[(pairs >> 12) & 4095] +
               ofTwelveBits[(pairs >> 24) & 4095];
    }
    int operator()(unsigned __int128 pairs) const
    {
        int count = 0;
        for (; pairs != 0; pairs >>= 12)
            count += ofTwelveBits[static_cast<unsigned>(pairs & 4095)];
        return count;
    }
};

// The lowest set bit of a set of pairs.
int LowestPair(uint64_t pairs)
{
    return std::countr_zero(pairs);
}

int LowestPair(unsigned __int128 pairs)
{
    const auto low = static_cast<uint64_t>(pairs);
    return low != 0 ? std::countr_zero(low) : 64 + std::countr_zero(static_cast<uint64_t>(pairs >> 64));
}

constexpr TPairCounts kPairCount{};

// The first sets of five (by position in the walk) of each category and pair
// of stars that one thread has seen. A thread takes its blocks in ascending
// order, so the first ones it sees are its smallest and a full list is final.
template <typename Layout> struct THoleCandidates {
    using Word = typename Layout::Word;
    static constexpr size_t kPairs = Layout::kPairs;
    std::array<std::array<std::array<uint32_t, kMaxGuaranteeHoles>, kPairs>, kMostGuaranteeRows> positions{};
    std::array<std::array<uint8_t, kPairs>, kMostGuaranteeRows> counts{};
    std::array<Word, kMostGuaranteeRows> full{};

    void Add(int row, Word pairs, uint32_t position)
    {
        const auto r = static_cast<size_t>(row);
        for (pairs &= ~full[r]; pairs != 0; pairs &= pairs - 1) {
            const auto pair = static_cast<size_t>(LowestPair(pairs));
            positions[r][pair][counts[r][pair]++] = position;
            if (counts[r][pair] == kMaxGuaranteeHoles)
                full[r] |= Word{1} << pair;
        }
    }
};

// What one thread found in one table; aligned so that threads do not share
// cache lines.
template <typename Layout> struct alignas(64) TTablePart {
    std::array<int64_t, kMostGuaranteeRows> counts{};
    THoleCandidates<Layout> *holes = nullptr;
};

// The sets of five numbers of a table: every set of `inner` joined with every
// set of `outer` (the numbers outside the selection), inner major. When no
// bet holds a number outside the selection, those numbers change nothing:
// the outer sets are left out and each inner set counts `weight` times.
struct TTableWalk {
    std::vector<BetMask> inner;
    std::vector<BetMask> outer;
    int64_t weight = 1;
    size_t Size() const { return inner.size() * outer.size(); }
    BetMask At(size_t index) const { return inner[index / outer.size()] | outer[index % outer.size()]; }
};

// Settles every pair of stars of one set of five numbers; the categories are
// the first `categories` of the table, the row after them "no prize".
template <typename Layout>
void SettleQuintet(const TGuaranteeMarks<Layout> &marks, int categories, BetMask quintet,
                   typename Layout::Word selectedPairs, uint32_t position, int64_t weight,
                   TTablePart<Layout> &part)
{
    using Word = typename Layout::Word;
    Word remaining = selectedPairs;
    // The pairs that make the draw a bet of the combination need no subset.
    const Word bets = marks.Quintet(quintet) & remaining;
    if (bets == remaining) {
        part.counts[0] += kPairCount(bets) * weight;
        if (part.holes)
            part.holes->Add(0, bets, position);
        return;
    }
    std::array<Word, 6> words;
    marks.Collect(quintet, words);
    for (int row = 0; row < categories; ++row) {
        const TCategoriaPremio &category = CategoriasPremio[static_cast<size_t>(row)];
        const Word word = words[static_cast<size_t>(category.Numeros)];
        Word won;
        if (category.Estrellas == 2)
            won = word & Layout::kPairBits;
        else if (category.Estrellas == 1)
            won = TGuaranteeMarks<Layout>::PairsWithAnyStar(
                static_cast<unsigned>(word >> Layout::kStarBitsShift) & Layout::kStarSetBits);
        else
            won = (word >> Layout::kAnyBit) & 1 ? ~Word{0} : 0;
        const Word settled = won & remaining;
        if (settled == 0)
            continue;
        part.counts[static_cast<size_t>(row)] += kPairCount(settled) * weight;
        if (part.holes)
            part.holes->Add(row, settled, position);
        remaining &= ~settled;
        if (remaining == 0)
            return;
    }
    part.counts[static_cast<size_t>(categories)] += kPairCount(remaining) * weight;
    if (part.holes)
        part.holes->Add(categories, remaining, position);
}

// What one thread counted of the odds; aligned so that threads do not share
// cache lines.
struct alignas(64) TOddsPart {
    std::array<int64_t, kMostGuaranteeRows> counts{};
};

// The weights of a set of j numbers of S: the draws it stands for with k = 2,
// 1 and 0 of its stars among the stars SS the bets use.
struct TSharedWeights {
    int64_t twoStars = 0;
    int64_t oneStar = 0;
    int64_t noStar = 0;
};

// Settles the draws that share exactly the numbers `numbers` (j of them) with
// the bets' numbers: those whose two stars are a pair of `pairs`, those
// with one star of `stars` and one no bet holds, and those with neither.
template <typename Layout>
void SettleShared(const TGuaranteeMarks<Layout> &marks, int categories, BetMask numbers, int j,
                  typename Layout::Word pairs, unsigned stars, const TSharedWeights &weights, TOddsPart &part)
{
    using Word = typename Layout::Word;
    std::array<Word, 6> words{};
    Word remaining = pairs;
    if (j == 5 && remaining != 0) {
        const Word bets = marks.Quintet(numbers) & remaining;
        part.counts[0] += kPairCount(bets) * weights.twoStars;
        remaining &= ~bets;
    }
    unsigned starsLeft = weights.oneStar > 0 ? stars : 0u;
    bool noStarLeft = weights.noStar > 0;
    if (j > 0 && (remaining != 0 || starsLeft != 0 || noStarLeft))
        marks.Collect(numbers, words);
    for (int row = 0; row < categories && (remaining != 0 || starsLeft != 0 || noStarLeft); ++row) {
        const TCategoriaPremio &category = CategoriasPremio[static_cast<size_t>(row)];
        if (category.Numeros > j)
            continue;
        const Word word = words[static_cast<size_t>(category.Numeros)];
        const auto r = static_cast<size_t>(row);
        if (category.Estrellas == 2) {
            const Word won = word & Layout::kPairBits & remaining;
            part.counts[r] += kPairCount(won) * weights.twoStars;
            remaining &= ~won;
        } else if (category.Estrellas == 1) {
            const unsigned starBits =
                static_cast<unsigned>(word >> Layout::kStarBitsShift) & Layout::kStarSetBits;
            const Word won = TGuaranteeMarks<Layout>::PairsWithAnyStar(starBits) & remaining;
            part.counts[r] += kPairCount(won) * weights.twoStars;
            remaining &= ~won;
            const unsigned wonStars = starBits & starsLeft;
            part.counts[r] += std::popcount(wonStars) * weights.oneStar;
            starsLeft &= ~wonStars;
        } else if ((word >> Layout::kAnyBit) & 1) {
            part.counts[r] += kPairCount(remaining) * weights.twoStars +
                              std::popcount(starsLeft) * weights.oneStar + (noStarLeft ? weights.noStar : 0);
            remaining = 0;
            starsLeft = 0;
            noStarLeft = false;
        }
    }
    part.counts[static_cast<size_t>(categories)] += kPairCount(remaining) * weights.twoStars +
                                                    std::popcount(starsLeft) * weights.oneStar +
                                                    (noStarLeft ? weights.noStar : 0);
}

// Over every draw of the universe, how many times each bet wins each
// category: a bet holding m of its numbers and t of its stars wins category
// n+s in C(m, n) C(U - m, 5 - n) C(t, s) C(V - t, 2 - s) draws (U numbers and V
// stars in the universe), whatever the other bets.
std::array<int64_t, kMostGuaranteeRows>
BetWinsOver(const std::vector<BetMask> &bets, const TBetCensus &census, BetMask universe, int categories)
{
    // The census counted the bets whole: right when no value of theirs lies
    // outside the universe, as in the whole game.
    std::array<std::array<int64_t, kMostStars + 1>, 8> bySize = census.Sizes;
    if ((census.Values & ~universe) != 0) {
        bySize = {};
        for (BetMask bet : bets)
            ++bySize[static_cast<size_t>(std::min(7, CountNumbers(bet & universe)))]
                    [static_cast<size_t>(CountStars(bet & universe))];
    }
    const int numbers = CountNumbers(universe);
    const int stars = CountStars(universe);
    std::array<int64_t, kMostGuaranteeRows> wins{};
    for (int row = 0; row < categories; ++row) {
        const TCategoriaPremio &category = CategoriasPremio[static_cast<size_t>(row)];
        for (int m = 0; m < 8; ++m)
            for (int t = 0; t <= kMostStars; ++t) {
                const int64_t count = bySize[static_cast<size_t>(m)][static_cast<size_t>(t)];
                if (count == 0 || numbers - m < 0 || stars - t < 0)
                    continue;
                const auto draws =
                    kBinomial(m, category.Numeros) * kBinomial(numbers - m, 5 - category.Numeros) *
                    kBinomial(t, category.Estrellas) * kBinomial(stars - t, 2 - category.Estrellas);
                wins[static_cast<size_t>(row)] += count * static_cast<int64_t>(draws);
            }
    }
    return wins;
}

// The first holes of the walk: for each pair of stars in order, its first
// sets of five of the worst row, merged over the threads.
template <typename Layout>
std::vector<BetMask> FirstHoles(const std::vector<THoleCandidates<Layout>> &perThread, int row,
                                typename Layout::Word selectedPairs, const TTableWalk &walk)
{
    std::vector<BetMask> holes;
    const auto r = static_cast<size_t>(row);
    for (int a = 1; a <= Layout::kStars; ++a)
        for (int b = a + 1; b <= Layout::kStars; ++b) {
            const auto pair = static_cast<size_t>(TGuaranteeMarks<Layout>::PairIndex(a, b));
            if (!((selectedPairs >> pair) & 1))
                continue;
            std::vector<uint32_t> positions;
            for (const THoleCandidates<Layout> &candidates : perThread)
                positions.insert(positions.end(), candidates.positions[r][pair].begin(),
                                 candidates.positions[r][pair].begin() + candidates.counts[r][pair]);
            std::sort(positions.begin(), positions.end());
            for (uint32_t position : positions) {
                if (holes.size() == kMaxGuaranteeHoles)
                    return holes;
                holes.push_back(walk.At(position) | StarBit(a) | StarBit(b));
            }
        }
    return holes;
}

// Runs work(block, worker) for every block on `threads` threads, the caller
// being worker 0; after each of its blocks the caller calls between(), which
// returns true to stop. Returns false when stopped that way. A worker's
// error is raised on the caller once every thread has ended.
template <typename Work, typename Between>
bool RunBlocks(size_t blocks, unsigned threads, const Work &work, const Between &between)
{
    std::atomic<size_t> next{0};
    std::atomic<bool> stop{false};
    bool stopped = false;
    std::exception_ptr failure;
    std::mutex failureLock;
    auto loop = [&](unsigned worker) {
        try {
            for (size_t block;
                 !stop.load(std::memory_order_relaxed) && (block = next.fetch_add(1)) < blocks;) {
                work(block, worker);
                if (worker == 0 && between()) {
                    stopped = true;
                    stop = true;
                }
            }
        } catch (...) {
            std::lock_guard<std::mutex> lock(failureLock);
            if (!failure)
                failure = std::current_exception();
            stop = true;
        }
    };
    std::vector<std::thread> helpers;
    for (unsigned worker = 1; worker < threads; ++worker)
        helpers.emplace_back(loop, worker);
    loop(0);
    for (std::thread &helper : helpers)
        helper.join();
    if (failure)
        std::rethrow_exception(failure);
    return !stopped;
}

} // namespace

TGuaranteeReport TGuaranteeAnalyser::Analyse(const std::vector<BetMask> &bets, BetMask selection) const
{
    if (edition_ == TGameEdition::Current)
        return AnalyseWith<TCurrentMarkLayout>(bets, selection, withOdds_, 0);
    return AnalyseWith<TClassicMarkLayout>(bets, selection, withOdds_, 0);
}

TGuaranteeOdds TGuaranteeAnalyser::Odds(const std::vector<BetMask> &bets, BetMask universe) const
{
    // A universe with no number stands for the whole game; a selection
    // without draws walks nothing.
    const TGameRules &rules = GameRules(edition_);
    if (universe == 0)
        universe = kNumberBits | rules.StarBits;
    const BetMask noDraws = kAnyStarBits;
    TGuaranteeReport report = edition_ == TGameEdition::Current
                                  ? AnalyseWith<TCurrentMarkLayout>(bets, noDraws, true, universe)
                                  : AnalyseWith<TClassicMarkLayout>(bets, noDraws, true, universe);
    return report.Cancelled ? TGuaranteeOdds{} : report.Odds;
}

template <typename Layout>
TGuaranteeReport TGuaranteeAnalyser::AnalyseWith(const std::vector<BetMask> &bets, BetMask selection,
                                                 bool withOdds, BetMask universe) const
{
    using Word = typename Layout::Word;
    const TGameRules &rules = GameRules(edition_);
    const int categories = rules.CategoryCount;
    TGuaranteeReport report;
    report.All.Categories = categories;

    unsigned threads = threads_ != 0 ? threads_ : std::max(1u, std::thread::hardware_concurrency());
    TProgressThrottle throttle(clock_, 1);
    throttle.Restart();
    auto pauseMarking = [&](size_t marked, size_t betCount) {
        if (!throttle.Due())
            return false;
        if (OnMarking)
            OnMarking(static_cast<int64_t>(marked), static_cast<int64_t>(betCount));
        throttle.Reported();
        return ShouldCancel && ShouldCancel();
    };
    const TGuaranteeMarks<Layout> marks(bets, threads, pauseMarking, marking_);
    if (!marks.Complete()) {
        report.Cancelled = true;
        return report;
    }
    // Every value of the bets, seen while marking them.
    const BetMask betValues = marks.Census().Values & (kNumberBits | kAnyStarBits);
    if (selection == 0)
        selection = betValues;
    selection &= kNumberBits | rules.StarBits;
    report.Selection = selection;

    const auto selectedStars = static_cast<unsigned>((selection & rules.StarBits) >> kStarShift);
    const Word selectedPairs = TGuaranteeMarks<Layout>::PairsWithin(selectedStars);
    const int pairCount = kPairCount(selectedPairs);
    const int numberCount = CountNumbers(selection);
    const bool byHits = numberCount > 5;

    std::vector<TTableWalk> walks;
    walks.push_back({pairCount > 0 ? NumberQuintetMasks(selection) : std::vector<BetMask>{}, {0}});
    const BetMask outside = ~selection & kNumberBits;
    const bool outsideInert = (betValues & outside) == 0;
    if (byHits && pairCount > 0)
        for (int hits = 4; hits >= 3; --hits) {
            if (outsideInert)
                walks.push_back({NumberSubsetMasks(selection, hits),
                                 {0},
                                 static_cast<int64_t>(kBinomial(CountNumbers(outside), 5 - hits))});
            else
                walks.push_back({NumberSubsetMasks(selection, hits), NumberSubsetMasks(outside, 5 - hits)});
        }
    int64_t total = 0;
    for (const TTableWalk &walk : walks)
        total += static_cast<int64_t>(walk.Size()) * pairCount * walk.weight;

    // The odds: every set of j of the numbers the bets use, for each j whose
    // draws exist, largest first.
    if (universe == 0)
        universe = kNumberBits | rules.StarBits;
    universe &= kNumberBits | rules.StarBits;
    const BetMask usedValues = betValues & universe;
    const int universeNumbers = CountNumbers(universe);
    const int universeStars = CountStars(universe);
    const int outsideNumbers = universeNumbers - CountNumbers(usedValues);
    const int outsideStars = universeStars - CountStars(usedValues);
    const auto usedStars = static_cast<unsigned>((usedValues & rules.StarBits) >> kStarShift);
    const Word usedPairs = TGuaranteeMarks<Layout>::PairsWithin(usedStars);
    const int64_t starDraws = static_cast<int64_t>(kBinomial(universeStars, 2));
    std::vector<std::pair<std::vector<BetMask>, TSharedWeights>> shared;
    if (withOdds && universeNumbers >= 5 && universeStars >= 2)
        for (int j = std::min(5, CountNumbers(usedValues)); j >= 0; --j) {
            if (5 - j > outsideNumbers)
                break;
            const auto numberWeight = static_cast<int64_t>(kBinomial(outsideNumbers, 5 - j));
            shared.push_back({NumberSubsetMasks(usedValues, j),
                              {numberWeight, numberWeight * static_cast<int64_t>(kBinomial(outsideStars, 1)),
                               numberWeight * static_cast<int64_t>(kBinomial(outsideStars, 2))}});
            total += static_cast<int64_t>(shared.back().first.size()) * numberWeight * starDraws;
        }

    std::atomic<int64_t> done{0};
    throttle.Restart();
    if (OnProgress)
        OnProgress(0, total);
    throttle.Reported();
    auto between = [&] {
        if (!throttle.Due())
            return false;
        if (OnProgress)
            OnProgress(done.load(), total);
        throttle.Reported();
        return ShouldCancel && ShouldCancel();
    };

    std::vector<TGuaranteeTable> tables;
    std::vector<THoleCandidates<Layout>> holes;
    for (size_t t = 0; t < walks.size() && !report.Cancelled; ++t) {
        const TTableWalk &walk = walks[t];
        const size_t blocks = (walk.Size() + kBlock - 1) / kBlock;
        const unsigned used = static_cast<unsigned>(std::clamp<size_t>(blocks, 1, threads));
        std::vector<TTablePart<Layout>> parts(used);
        if (t == 0) {
            holes.assign(used, THoleCandidates<Layout>{});
            for (unsigned worker = 0; worker < used; ++worker)
                parts[worker].holes = &holes[worker];
        }
        auto work = [&](size_t block, unsigned worker) {
            const size_t first = block * kBlock;
            const size_t last = std::min(first + kBlock, walk.Size());
            // Inner and outer positions advance together, without a division per set.
            size_t in = first / walk.outer.size();
            size_t out = first % walk.outer.size();
            for (size_t index = first; index < last; ++index) {
                SettleQuintet(marks, categories, walk.inner[in] | walk.outer[out], selectedPairs,
                              static_cast<uint32_t>(index), walk.weight, parts[worker]);
                if (++out == walk.outer.size()) {
                    out = 0;
                    ++in;
                }
            }
            done += static_cast<int64_t>(last - first) * pairCount * walk.weight;
        };
        report.Cancelled = blocks > 0 && !RunBlocks(blocks, used, work, between);
        TGuaranteeTable table;
        table.Categories = categories;
        for (const TTablePart<Layout> &part : parts)
            for (size_t row = 0; row < kMostGuaranteeRows; ++row)
                table.PerCategory[row] += part.counts[row];
        for (int64_t count : table.PerCategory)
            table.Draws += count;
        tables.push_back(table);
    }
    if (withOdds) {
        report.Odds.Best.Categories = categories;
        report.Odds.Bets = static_cast<int64_t>(bets.size());
    }
    for (size_t t = 0; t < shared.size() && !report.Cancelled; ++t) {
        const std::vector<BetMask> &sets = shared[t].first;
        const TSharedWeights &weights = shared[t].second;
        const int j = CountNumbers(sets.empty() ? 0 : sets.front());
        const size_t blocks = (sets.size() + kBlock - 1) / kBlock;
        const unsigned used = static_cast<unsigned>(std::clamp<size_t>(blocks, 1, threads));
        std::vector<TOddsPart> parts(used);
        auto work = [&](size_t block, unsigned worker) {
            const size_t first = block * kBlock;
            const size_t last = std::min(first + kBlock, sets.size());
            for (size_t index = first; index < last; ++index)
                SettleShared(marks, categories, sets[index], j, usedPairs, usedStars, weights, parts[worker]);
            done += static_cast<int64_t>(last - first) * weights.twoStars * starDraws;
        };
        report.Cancelled = blocks > 0 && !RunBlocks(blocks, used, work, between);
        for (const TOddsPart &part : parts)
            for (size_t row = 0; row < kMostGuaranteeRows; ++row)
                report.Odds.Best.PerCategory[row] += part.counts[row];
    }
    if (withOdds && !report.Cancelled) {
        for (int64_t count : report.Odds.Best.PerCategory)
            report.Odds.Best.Draws += count;
        report.Odds.BetWins = BetWinsOver(bets, marks.Census(), universe, categories);
    }
    if (OnProgress)
        OnProgress(done.load(), total);

    report.All = tables.front();
    if (!report.Cancelled && report.All.Guaranteed() != 0)
        report.Holes = FirstHoles(holes, report.All.Guaranteed() - 1, selectedPairs, walks.front());
    if (byHits) {
        report.ByHits.push_back({5, report.All});
        for (int hits = 4; hits >= 3; --hits) {
            TGuaranteeByHits table{hits, {}};
            table.Table.Categories = categories;
            const size_t t = static_cast<size_t>(5 - hits);
            if (t < tables.size())
                table.Table = tables[t];
            report.ByHits.push_back(table);
        }
    }
    return report;
}
