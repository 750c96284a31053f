#include "horalume/loader/InstallWait.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct WaitRun {
    WaitOutcome outcome;
    std::vector<std::uint32_t> waits; // every wait made
    std::vector<std::int32_t> stored; // every "InstallTime" written
    int warnings = 0;
    std::vector<int> warningsBeforeStore; // the warning count at each store
};

// A component that reports on the wait numbered reportOn (0: the first), or never (-1).
WaitRun Await(std::int32_t storedInstallTime, bool install, int reportOn = -1)
{
    WaitRun run{};
    const WaitSteps steps{
        [&](std::uint32_t milliseconds) {
            run.waits.push_back(milliseconds);
            return static_cast<int>(run.waits.size()) - 1 == reportOn;
        },
        [&] { ++run.warnings; },
        [&](std::int32_t totalMs) {
            run.stored.push_back(totalMs);
            run.warningsBeforeStore.push_back(run.warnings);
        },
    };
    run.outcome = AwaitComponent(storedInstallTime, install, steps);
    return run;
}

} // namespace

TEST(InstallWait, DefaultWaitsFourTimesTenSecondsWithAWarningBeforeEachLongerTime)
{
    const WaitRun run = Await(kDefaultInstallTime, true);
    EXPECT_EQ(run.outcome, WaitOutcome::GaveUp);
    EXPECT_EQ(run.waits, (std::vector<std::uint32_t>{10000, 10000, 10000, 10000}));
    EXPECT_EQ(run.stored, (std::vector<std::int32_t>{20000, 30000, 40000}));
    EXPECT_EQ(run.warningsBeforeStore, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(run.warnings, 3);

    // The next installation gives up after one long wait, without a warning.
    const WaitRun next = Await(run.stored.back(), true);
    EXPECT_EQ(next.outcome, WaitOutcome::GaveUp);
    EXPECT_EQ(next.waits, (std::vector<std::uint32_t>{40000}));
    EXPECT_EQ(next.warnings, 0);
    EXPECT_TRUE(next.stored.empty());
}

TEST(InstallWait, StoredTimeIsTheFirstWaitAndTheStartOfTheTotal)
{
    const WaitRun run = Await(25000, true);
    EXPECT_EQ(run.waits, (std::vector<std::uint32_t>{25000, 10000, 10000}));
    EXPECT_EQ(run.stored, (std::vector<std::int32_t>{35000, 45000}));

    const WaitRun zero = Await(0, true);
    EXPECT_EQ(zero.waits.front(), 0u);
    EXPECT_EQ(zero.warnings, 4);
    EXPECT_EQ(zero.stored.back(), 40000);
}

TEST(InstallWait, AnAnswerEndsTheWaitAndKeepsTheLengthenedTime)
{
    const WaitRun run = Await(kDefaultInstallTime, true, 1); // answers after 12 s
    EXPECT_EQ(run.outcome, WaitOutcome::Reported);
    EXPECT_EQ(run.warnings, 1);
    EXPECT_EQ(run.stored, (std::vector<std::int32_t>{20000}));
    EXPECT_EQ(Await(run.stored.back(), true, 0).waits, (std::vector<std::uint32_t>{20000}));
}

TEST(InstallWait, RemovalWaitsOnceNeverWarnsAndNeverStores)
{
    const WaitRun run = Await(25000, false);
    EXPECT_EQ(run.outcome, WaitOutcome::TimedOut);
    EXPECT_EQ(run.waits, (std::vector<std::uint32_t>{25000}));
    EXPECT_EQ(run.warnings, 0);
    EXPECT_TRUE(run.stored.empty());
}

TEST(InstallWait, NegativeStoredTimeCountsAsTheDefaultAndHugeOneDoesNotOverflow)
{
    for (std::int32_t stored : {-1, -10000, INT32_MIN}) {
        const WaitRun run = Await(stored, true);
        EXPECT_EQ(run.waits, (std::vector<std::uint32_t>{10000, 10000, 10000, 10000})) << stored;
        EXPECT_EQ(run.stored.back(), 40000) << stored;
    }
    const WaitRun huge = Await(INT32_MAX, true);
    EXPECT_EQ(huge.waits, (std::vector<std::uint32_t>{0x7FFFFFFFu}));
    EXPECT_EQ(huge.outcome, WaitOutcome::GaveUp);
}
