// Marking the keys of millions of bets takes seconds: the analyser reports
// it and can be stopped during it, without changing any result.
#include "generator/guarantee_analyser.h"
#include "generator/mask_enumeration.h"
#include "generator_test_support.h"

#include <gtest/gtest.h>

namespace {

// Every bet of numbers 1-14 with stars 1-3: 2002 * 3 = 6006 bets, repeated
// to pass several marking chunks.
std::vector<BetMask> ManyBets()
{
    std::vector<BetMask> bets;
    const BetMask selection = MaskOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}, {1, 2, 3});
    for (int round = 0; round < 40; ++round)
        for (BetMask pair : StarPairMasks(selection))
            for (BetMask quintet : NumberQuintetMasks(selection))
                bets.push_back(quintet | pair);
    return bets;
}

} // namespace

TEST(GuaranteeMarking, IsReportedAndLeavesTheReportAsItWas)
{
    const std::vector<BetMask> bets = ManyBets();
    ASSERT_GT(bets.size(), 3u * 65536);
    const BetMask selection = MaskOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}, {1, 2, 3, 4});

    TGuaranteeAnalyser plain;
    plain.SetThreads(2);
    const TGuaranteeReport expected = plain.Analyse(bets, selection);

    for (unsigned threads : {1u, 2u}) {
        TGuaranteeAnalyser analyser;
        analyser.SetThreads(threads);
        uint64_t now = 0;
        analyser.SetTickSource([&now] { return now += 1000; });
        std::vector<std::pair<int64_t, int64_t>> marking;
        analyser.OnMarking = [&marking](int64_t done, int64_t total) { marking.emplace_back(done, total); };
        const TGuaranteeReport report = analyser.Analyse(bets, selection);
        EXPECT_EQ(report, expected) << threads << " threads";
        ASSERT_GE(marking.size(), 3u);
        for (size_t i = 0; i < marking.size(); ++i) {
            EXPECT_EQ(marking[i].second, static_cast<int64_t>(bets.size()));
            EXPECT_LT(marking[i].first, marking[i].second);
            if (i > 0) {
                EXPECT_LE(marking[i - 1].first, marking[i].first);
            }
        }
    }
}

TEST(GuaranteeMarking, CancelStopsItAndNothingIsSettled)
{
    const std::vector<BetMask> bets = ManyBets();
    TGuaranteeAnalyser analyser;
    analyser.SetThreads(2);
    uint64_t now = 0;
    analyser.SetTickSource([&now] { return now += 1000; });
    int asked = 0;
    int settled = 0;
    analyser.ShouldCancel = [&asked] { return ++asked == 1; };
    analyser.OnProgress = [&settled](int64_t, int64_t) { ++settled; };
    const TGuaranteeReport report = analyser.Analyse(bets, MaskOf({1, 2, 3, 4, 5, 6, 7, 8}, {1, 2, 3}));
    EXPECT_TRUE(report.Cancelled);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(settled, 0);
    EXPECT_EQ(report.All.Draws, 0);
    EXPECT_TRUE(report.Holes.empty());
}
