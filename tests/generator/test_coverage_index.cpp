#include "generator/coverage_index.h"
#include "generator/mask_enumeration.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>
#include <vector>

namespace {

BetMask Bet(std::initializer_list<int> numbers, std::initializer_list<int> stars)
{
    BetMask mask = 0;
    for (int n : numbers)
        mask |= NumberBit(n);
    for (int s : stars)
        mask |= StarBit(s);
    return mask;
}

BetMask RandomBet(std::mt19937 &random, int highestNumber, int highestStar)
{
    BetMask mask = 0;
    while (CountNumbers(mask) < 5)
        mask |= NumberBit(std::uniform_int_distribution<int>(1, highestNumber)(random));
    while (CountStars(mask) < 2)
        mask |= StarBit(std::uniform_int_distribution<int>(1, highestStar)(random));
    return mask;
}

struct Level {
    bool global;
    int total, numbers, stars;
};

bool PlainCovers(const Level &level, BetMask kept, BetMask candidate)
{
    if (level.global)
        return std::popcount(kept & candidate) >= level.total;
    return SharedNumbers(kept, candidate) >= level.numbers && SharedStars(kept, candidate) >= level.stars;
}

TCoverageIndex Make(const Level &level)
{
    return level.global ? TCoverageIndex::ForGlobal(level.total)
                        : TCoverageIndex::ForBlocks(level.numbers, level.stars);
}

} // namespace

TEST(CoverageIndex, AgreesWithPairwiseComparisonAtEveryLevel)
{
    std::vector<Level> levels;
    for (int total = 1; total <= 7; ++total)
        levels.push_back({true, total, 0, 0});
    for (int numbers = 0; numbers <= 5; ++numbers)
        for (int stars = numbers == 0 ? 1 : 0; stars <= 2; ++stars)
            levels.push_back({false, 0, numbers, stars});

    std::mt19937 random(7);
    for (const Level &level : levels) {
        for (int universe : {9, 50}) {
            TCoverageIndex index = Make(level);
            std::vector<BetMask> kept;
            for (int step = 0; step < 300; ++step) {
                BetMask candidate = RandomBet(random, universe, universe == 50 ? 9 : 4);
                bool expected = false;
                for (BetMask k : kept)
                    expected = expected || PlainCovers(level, k, candidate);
                ASSERT_EQ(index.IsCovered(candidate), expected)
                    << "global " << level.global << " total " << level.total << " numbers " << level.numbers
                    << " stars " << level.stars << " step " << step;
                if (step % 3 == 0) {
                    kept.push_back(candidate);
                    index.Insert(candidate);
                }
            }
        }
    }
}

TEST(CoverageIndex, HighestValuesOfTheGameHaveTheirOwnKeys)
{
    TCoverageIndex index = TCoverageIndex::ForGlobal(6);
    index.Insert(Bet({46, 47, 48, 49, 50}, {8, 9}));
    EXPECT_FALSE(index.IsCovered(Bet({45, 47, 48, 49, 50}, {7, 9})));
    EXPECT_TRUE(index.IsCovered(Bet({45, 47, 48, 49, 50}, {8, 9})));
    EXPECT_TRUE(index.IsCovered(Bet({46, 47, 48, 49, 50}, {1, 9})));
    EXPECT_FALSE(index.IsCovered(Bet({45, 47, 48, 49, 50}, {7, 9})));
    EXPECT_FALSE(index.IsCovered(Bet({1, 2, 3, 4, 5}, {1, 2})));
    EXPECT_LE(index.Bytes(), 3500000u);
}

TEST(CoverageIndex, RefusesLevelsOutsideTheBet)
{
    EXPECT_THROW(TCoverageIndex::ForGlobal(0), std::invalid_argument);
    EXPECT_THROW(TCoverageIndex::ForGlobal(8), std::invalid_argument);
    EXPECT_THROW(TCoverageIndex::ForBlocks(6, 1), std::invalid_argument);
    EXPECT_THROW(TCoverageIndex::ForBlocks(4, 3), std::invalid_argument);
    EXPECT_THROW(TCoverageIndex::ForBlocks(0, 0), std::invalid_argument);
}

TEST(MaskEnumeration, QuintetsAndStarPairsComeInLexicographicOrder)
{
    BetMask selection = Bet({1, 2, 3, 4, 5, 6}, {1, 2, 3});
    std::vector<BetMask> quintets = NumberQuintetMasks(selection);
    std::vector<BetMask> expected = {Bet({1, 2, 3, 4, 5}, {}), Bet({1, 2, 3, 4, 6}, {}),
                                     Bet({1, 2, 3, 5, 6}, {}), Bet({1, 2, 4, 5, 6}, {}),
                                     Bet({1, 3, 4, 5, 6}, {}), Bet({2, 3, 4, 5, 6}, {})};
    EXPECT_EQ(quintets, expected);
    EXPECT_EQ(StarPairMasks(selection),
              (std::vector<BetMask>{Bet({}, {1, 2}), Bet({}, {1, 3}), Bet({}, {2, 3})}));
}

TEST(MaskEnumeration, CountsAndSparseSelections)
{
    BetMask all = kNumberBits | kStarBits;
    EXPECT_EQ(NumberQuintetMasks(all).size(), 2118760u);
    EXPECT_EQ(StarPairMasks(all).size(), 36u);
    EXPECT_TRUE(NumberQuintetMasks(Bet({1, 2, 3, 4}, {1, 2})).empty());
    EXPECT_TRUE(StarPairMasks(Bet({1, 2, 3, 4, 5}, {9})).empty());
    std::vector<BetMask> sparse = NumberQuintetMasks(Bet({3, 10, 20, 30, 44, 50}, {}));
    ASSERT_EQ(sparse.size(), 6u);
    EXPECT_EQ(sparse.front(), Bet({3, 10, 20, 30, 44}, {}));
    EXPECT_EQ(sparse.back(), Bet({10, 20, 30, 44, 50}, {}));
    EXPECT_EQ(MaskNumbers(Bet({3, 50}, {9})), (std::vector<int>{3, 50}));
    EXPECT_EQ(MaskStars(Bet({3, 50}, {1, 9})), (std::vector<int>{1, 9}));
}
