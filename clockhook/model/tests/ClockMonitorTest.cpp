#include "clockhook/model/ClockMonitor.h"

#include <gtest/gtest.h>

TEST(CpuUsagePercent, CountsTheShareThatWasNotIdle)
{
    CpuTimes before{1000, 3000, 500};
    // 400 of kernel (300 of it idle) and 600 of user: 700 of 1000 busy.
    EXPECT_EQ(CpuUsagePercent(before, CpuTimes{1300, 3400, 1100}), 70);
    EXPECT_EQ(CpuUsagePercent(before, CpuTimes{2000, 4000, 500}), 0) << "all idle";
    EXPECT_EQ(CpuUsagePercent(before, CpuTimes{1000, 3500, 1000}), 100) << "never idle";
    EXPECT_EQ(CpuUsagePercent(before, CpuTimes{1001, 3002, 501}), 67) << "rounded to the nearest";
}

TEST(CpuUsagePercent, IsUnknownWhenItCannotBeTold)
{
    CpuTimes before{1000, 3000, 500};
    EXPECT_EQ(CpuUsagePercent(CpuTimes(), before), -1) << "first sample";
    EXPECT_EQ(CpuUsagePercent(before, before), -1) << "no time passed";
    EXPECT_EQ(CpuUsagePercent(before, CpuTimes{900, 3100, 600}), -1) << "idle ran backwards";
    EXPECT_EQ(CpuUsagePercent(before, CpuTimes{1500, 3100, 600}), -1) << "more idle than time";
    // Near the top of the counters nothing overflows.
    CpuTimes high{0x7FFFFFFF00000000ull, 0xFFFFFFFF00000000ull, 0x10};
    EXPECT_EQ(CpuUsagePercent(high, CpuTimes{high.idle + 50, high.kernel + 100, high.user + 100}), 75);
}

TEST(PercentInUse, RoundsAndStaysInRange)
{
    EXPECT_EQ(PercentInUse(8ull << 30, 2ull << 30), 75);
    EXPECT_EQ(PercentInUse(3, 2), 33);
    EXPECT_EQ(PercentInUse(3, 1), 67);
    EXPECT_EQ(PercentInUse(100, 200), 0) << "more available than total";
    EXPECT_EQ(PercentInUse(0, 0), -1);
    EXPECT_EQ(PercentInUse(1ull << 50, 0), 100);
}

TEST(LineLength, ShowsThePercentOfTheWidth)
{
    EXPECT_EQ(LineLength(80, 50), 40);
    EXPECT_EQ(LineLength(80, 100), 80);
    EXPECT_EQ(LineLength(80, 0), 0);
    EXPECT_EQ(LineLength(81, 50), 41) << "rounded";
    EXPECT_EQ(LineLength(80, 150), 80);
    EXPECT_EQ(LineLength(80, -1), 0) << "unknown: no line";
    EXPECT_EQ(LineLength(-5, 50), 0);
}
