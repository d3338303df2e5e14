#include "generator/coverage_index.h"

#include "generator/subset_rank.h"
#include "model/game_rules.h"

#include <array>
#include <bit>
#include <stdexcept>

namespace {

constexpr int kBetNumbers = 5;
constexpr int kBetStars = 2;
constexpr int kGameNumbers = 50;

// The subsets of the 5 positions of a bet's numbers, grouped by size; each
// subset lists its positions ascending.
struct PositionSubsets {
    std::array<std::array<std::array<uint8_t, kBetNumbers>, 10>, kBetNumbers + 1> positions{};
    std::array<int, kBetNumbers + 1> count{};

    constexpr PositionSubsets()
    {
        for (unsigned chosen = 0; chosen < (1u << kBetNumbers); ++chosen) {
            int size = std::popcount(chosen);
            int filled = 0;
            for (int p = 0; p < kBetNumbers; ++p)
                if (chosen & (1u << p))
                    positions[size][count[size]][filled++] = static_cast<uint8_t>(p);
            ++count[size];
        }
    }
};

constexpr PositionSubsets kPositionSubsets{};

} // namespace

TCoverageIndex TCoverageIndex::ForGlobal(int total, int highestStar)
{
    if (total < 1 || total > kBetNumbers + kBetStars)
        throw std::invalid_argument("global reduction level out of range");
    TCoverageIndex index(highestStar);
    for (int stars = 0; stars <= kBetStars; ++stars) {
        int numbers = total - stars;
        if (numbers >= 0 && numbers <= kBetNumbers)
            index.AddPart(numbers, stars);
    }
    index.Allocate();
    return index;
}

TCoverageIndex TCoverageIndex::ForBlocks(int numbers, int stars, int highestStar)
{
    if (numbers < 0 || numbers > kBetNumbers || stars < 0 || stars > kBetStars || numbers + stars == 0)
        throw std::invalid_argument("block reduction level out of range");
    TCoverageIndex index(highestStar);
    index.AddPart(numbers, stars);
    index.Allocate();
    return index;
}

TCoverageIndex::TCoverageIndex(int highestStar) : gameStars_(highestStar)
{
    if (highestStar < 2 || highestStar > kMostStars)
        throw std::invalid_argument("highest star out of range");
}

void TCoverageIndex::AddPart(int numbers, int stars)
{
    KeyPart part;
    part.numbers = numbers;
    part.stars = stars;
    part.offset = keyCount_;
    part.starRanks = kBinomial(gameStars_, stars);
    keyCount_ += kBinomial(kGameNumbers, numbers) * part.starRanks;
    parts_.push_back(part);
}

void TCoverageIndex::Allocate()
{
    bits_.assign((keyCount_ + 63) / 64, 0);
}

template <typename Probe> bool TCoverageIndex::AnyKey(BetMask bet, Probe &&probe) const
{
    // Values are ranked mirrored (number n as 50 - n, star s as the highest star - s): the
    // walk moves its highest values fastest, and mirrored they are the least
    // significant terms of a rank, so consecutive candidates probe nearby
    // bits instead of all over the bitmap. Positions stay in the bet's
    // ascending order, so keys of the lowest values, which change slowest,
    // are tried first.
    int mirrored[kBetNumbers];
    BetMask numberBits[kBetNumbers];
    BetMask numbers = bet & kNumberBits;
    for (int i = 0; i < kBetNumbers; ++i) {
        numberBits[i] = numbers & (~numbers + 1);
        mirrored[i] = kGameNumbers - 1 - std::countr_zero(numbers);
        numbers &= numbers - 1;
    }
    BetMask starBits = bet & kAnyStarBits;
    const BetMask lowStarBit = starBits & (~starBits + 1);
    const BetMask highStarBit = starBits & ~lowStarBit;
    const int lowStar = gameStars_ - 1 - (std::countr_zero(lowStarBit) - kStarShift);
    const int highStar = gameStars_ - 1 - (std::countr_zero(highStarBit) - kStarShift);
    // Ranks and masks of the star subsets of each size: {}, {low} {high}, {low high}.
    const uint64_t starRank[3][2] = {{0, 0},
                                     {kBinomial(lowStar, 1), kBinomial(highStar, 1)},
                                     {kBinomial(highStar, 1) + kBinomial(lowStar, 2), 0}};
    const BetMask starMask[3][2] = {{0, 0}, {lowStarBit, highStarBit}, {lowStarBit | highStarBit, 0}};
    const int starSubsets[3] = {1, 2, 1};

    for (const KeyPart &part : parts_) {
        const auto &subsets = kPositionSubsets.positions[part.numbers];
        for (int s = 0; s < kPositionSubsets.count[part.numbers]; ++s) {
            uint64_t rank = 0;
            BetMask numberMask = 0;
            for (int j = 0; j < part.numbers; ++j) {
                const int position = subsets[s][part.numbers - 1 - j]; // mirrored values ascend backwards
                rank += kBinomial(mirrored[position], j + 1);
                numberMask |= numberBits[position];
            }
            uint64_t base = part.offset + rank * part.starRanks;
            for (int t = 0; t < starSubsets[part.stars]; ++t)
                if (probe(base + starRank[part.stars][t], numberMask | starMask[part.stars][t]))
                    return true;
        }
    }
    return false;
}

bool TCoverageIndex::IsCovered(BetMask candidate)
{
    if (haveCoveringKey_ && (lastCoveringKey_ & ~candidate) == 0)
        return true; // keys are never removed
    return AnyKey(candidate, [this](uint64_t key, BetMask keyMask) {
        if (!((bits_[key >> 6] >> (key & 63)) & 1))
            return false;
        lastCoveringKey_ = keyMask;
        haveCoveringKey_ = true;
        return true;
    });
}

void TCoverageIndex::Insert(BetMask kept)
{
    AnyKey(kept, [this](uint64_t key, BetMask) {
        bits_[key >> 6] |= uint64_t{1} << (key & 63);
        return false;
    });
}
