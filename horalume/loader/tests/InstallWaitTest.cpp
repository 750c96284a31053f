#include "InstallWait.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct NeverAnswered {
    std::vector<std::uint32_t> waits; // every wait made
    int warnings = 0;
    std::int32_t storedAtEnd = 0;
};

// An installation whose component never reports: the waits, the warnings and
// the last "InstallTime" written (or the one read, when none is written).
NeverAnswered InstallNeverAnswered(std::int32_t stored)
{
    NeverAnswered run;
    run.storedAtEnd = stored;
    InstallWait wait(stored);
    for (;;) {
        run.waits.push_back(wait.WaitMs());
        if (wait.GivesUp()) {
            return run;
        }
        ++run.warnings;
        wait.Lengthen();
        run.storedAtEnd = wait.TotalMs();
    }
}

} // namespace

TEST(InstallWait, DefaultWaitsFourTimesTenSecondsWithThreeWarnings)
{
    const NeverAnswered run = InstallNeverAnswered(kDefaultInstallTime);
    EXPECT_EQ(run.waits, (std::vector<std::uint32_t>{10000, 10000, 10000, 10000}));
    EXPECT_EQ(run.warnings, 3);
    EXPECT_EQ(run.storedAtEnd, 40000);

    // The next installation gives up after one long wait, without a warning.
    const NeverAnswered next = InstallNeverAnswered(run.storedAtEnd);
    EXPECT_EQ(next.waits, (std::vector<std::uint32_t>{40000}));
    EXPECT_EQ(next.warnings, 0);
    EXPECT_EQ(next.storedAtEnd, 40000);
}

TEST(InstallWait, StoredTimeIsTheFirstWaitAndTheStartOfTheTotal)
{
    const NeverAnswered run = InstallNeverAnswered(25000);
    EXPECT_EQ(run.waits, (std::vector<std::uint32_t>{25000, 10000, 10000}));
    EXPECT_EQ(run.warnings, 2);
    EXPECT_EQ(run.storedAtEnd, 45000);

    const NeverAnswered zero = InstallNeverAnswered(0);
    EXPECT_EQ(zero.waits.front(), 0u);
    EXPECT_EQ(zero.warnings, 4);
    EXPECT_EQ(zero.storedAtEnd, 40000);
}

TEST(InstallWait, OneTimeOutLengthensTheStoredTimeByTenSeconds)
{
    InstallWait wait(kDefaultInstallTime);
    ASSERT_FALSE(wait.GivesUp());
    wait.Lengthen();
    EXPECT_EQ(wait.TotalMs(), 20000);
    EXPECT_EQ(wait.WaitMs(), 10000u);
}

TEST(InstallWait, NegativeStoredTimeCountsAsTheDefault)
{
    for (std::int32_t stored : {-1, -10000, INT32_MIN}) {
        const NeverAnswered run = InstallNeverAnswered(stored);
        EXPECT_EQ(run.waits, (std::vector<std::uint32_t>{10000, 10000, 10000, 10000})) << stored;
        EXPECT_EQ(run.storedAtEnd, 40000) << stored;
    }
}

TEST(InstallWait, HugeStoredTimeGivesUpAfterItsWaitWithoutOverflow)
{
    const NeverAnswered run = InstallNeverAnswered(INT32_MAX);
    EXPECT_EQ(run.waits, (std::vector<std::uint32_t>{0x7FFFFFFFu}));
    EXPECT_EQ(run.warnings, 0);
}
