#include "draws/prize_scan.h"
#include "model/exception.h"
#include "prize_reference.h"

#include <gtest/gtest.h>

namespace {

std::vector<BetMask> Masks(const std::vector<TReferenceBet> &bets)
{
    std::vector<BetMask> masks;
    for (const TReferenceBet &bet : bets)
        masks.push_back(SimpleBetMask(bet.Numeros, bet.Estrellas));
    return masks;
}

std::vector<TReferenceHit> HitsOf(const TPrizeScan &scan)
{
    std::vector<TReferenceHit> hits;
    for (uint64_t i = 0; i < scan.Count(); ++i) {
        TPrizeScan::THit hit = scan.Hit(i);
        hits.push_back({hit.Apuesta, hit.Sorteo, hit.Categoria});
    }
    return hits;
}

} // namespace

TEST(SimpleBetMask, DropsWhatABetWouldRefuse)
{
    std::vector<int32_t> numbers{3, 3, 0, 51, 14, 22, 35, 48, 49};
    std::vector<int32_t> stars{10, 2, 9, 5};
    BetMask mask = SimpleBetMask(numbers, stars);
    EXPECT_EQ(mask, NumberBit(3) | NumberBit(14) | NumberBit(22) | NumberBit(35) | NumberBit(48) |
                        StarBit(2) | StarBit(9));
    EXPECT_EQ(SimpleBetMask({}, {}), 0u);
}

TEST(PrizeScan, MatchesThePlainCheckWhateverTheThreadCount)
{
    std::mt19937 random(20040213);
    std::vector<TReferenceBet> bets, draws;
    for (int i = 0; i < 20000; ++i)
        bets.push_back(RandomReferenceBet(random));
    for (int i = 0; i < 60; ++i)
        draws.push_back(RandomReferenceBet(random));
    draws.push_back(bets[17]); // a sure first-category hit
    std::vector<TReferenceHit> expected = ReferencePrizeCheck(bets, draws);

    const std::vector<BetMask> betMasks = Masks(bets);
    for (unsigned threads : {1u, 3u, 0u}) {
        TPrizeScan scan;
        scan.Run(betMasks, Masks(draws), threads);
        ASSERT_EQ(HitsOf(scan), expected) << threads << " threads";
        uint64_t counted = 0;
        for (size_t j = 0; j < draws.size(); ++j)
            for (int c = 1; c <= kNumCategorias; ++c)
                counted += scan.HitsOf(j, c);
        EXPECT_EQ(counted, expected.size());
        EXPECT_GE(scan.HitsOf(draws.size() - 1, 1), 1u);
    }
}

TEST(PrizeScan, ManyDrawsUseWideHits)
{
    std::mt19937 random(4096);
    std::vector<TReferenceBet> bets, draws;
    for (int i = 0; i < 40; ++i)
        bets.push_back(RandomReferenceBet(random));
    for (int i = 0; i < 5000; ++i)
        draws.push_back(RandomReferenceBet(random));
    draws[4500] = bets[39];
    const std::vector<BetMask> betMasks = Masks(bets);
    TPrizeScan scan;
    scan.Run(betMasks, Masks(draws), 2);
    EXPECT_EQ(HitsOf(scan), ReferencePrizeCheck(bets, draws));
    EXPECT_EQ(scan.HitsOf(4500, 1), 1u);
}

TEST(PrizeScan, EmptyInputsAndBadIndexes)
{
    TPrizeScan scan;
    scan.Run({}, {SimpleBetMask(std::vector<int32_t>{1, 2, 3, 4, 5}, std::vector<int32_t>{1, 2})});
    EXPECT_EQ(scan.Count(), 0u);
    const std::vector<BetMask> one{
        SimpleBetMask(std::vector<int32_t>{1, 2, 3, 4, 5}, std::vector<int32_t>{1, 2})};
    scan.Run(one, {});
    EXPECT_EQ(scan.Count(), 0u);
    EXPECT_THROW(scan.Hit(0), EListError);
    EXPECT_EQ(scan.HitsOf(0, 1), 0u);
}
