#include "model/progress_throttle.h"

#include <gtest/gtest.h>

TEST(ProgressThrottle, FirstCallReportsThenOnlyAfterMoreThan250Ms)
{
    uint64_t now = 10000;
    TProgressThrottle throttle([&now] { return now; }, 1);
    throttle.Restart();
    ASSERT_TRUE(throttle.Due());
    throttle.Reported();
    now += 250;
    EXPECT_FALSE(throttle.Due()) << "exactly 250 ms is not enough";
    now += 1;
    ASSERT_TRUE(throttle.Due());
    throttle.Reported();
    EXPECT_FALSE(throttle.Due());
}

TEST(ProgressThrottle, ReadsTheClockOncePerSample)
{
    uint64_t now = 10000;
    int reads = 0;
    TProgressThrottle throttle(
        [&] {
            ++reads;
            return now;
        },
        100);
    throttle.Restart();
    EXPECT_TRUE(throttle.Due());
    throttle.Reported();
    now += 1000;
    int dueAt = -1;
    for (int call = 1; call <= 300 && dueAt < 0; ++call)
        if (throttle.Due())
            dueAt = call;
    EXPECT_EQ(dueAt, 100);
    EXPECT_EQ(reads, 3); // first call, the record, the sample at call 100
}

TEST(ProgressThrottle, RestartReportsTheFirstCandidateAgain)
{
    uint64_t now = 10000;
    TProgressThrottle throttle([&now] { return now; }, 1);
    throttle.Restart();
    ASSERT_TRUE(throttle.Due());
    throttle.Reported();
    throttle.Restart();
    EXPECT_TRUE(throttle.Due());
}
