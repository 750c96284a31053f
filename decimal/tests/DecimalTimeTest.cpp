#include "decimal/DecimalTime.h"
#include "decimal/testing/UseTimeZone.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace {

// The moment at which the local wall clock shows the given date and time.
Moment LocalMoment(int year, int month, int day, int hour, int minute, int second)
{
    return MomentOfLocal({year, month, day, hour, minute, second}).value();
}

class DecimalTimeInUtc : public ::testing::Test {
protected:
    void SetUp() override { UseTimeZone("UTC"); }
};

struct Reading {
    int year, month, day, hour, minute, second;
    std::int64_t count;
    const char* date;
    const char* clock;
};

const Reading kReadings[] = {
    {2000, 1, 1, 0, 0, 0, 0, "0::0::0", "0::0::0"},
    {2000, 1, 1, 0, 0, 1, 1, "0::0::0", "0::0::1"},
    {2000, 1, 1, 12, 0, 0, 49875, "0::0::0", "4::98::75"},
    {2000, 1, 2, 0, 0, 0, 99751, "0::0::0", "9::97::51"},
    {2000, 1, 2, 0, 3, 35, 99999, "0::0::0", "9::99::99"},
    {2000, 1, 2, 0, 3, 36, 100000, "0::0::1", "0::0::0"},
    {2000, 1, 11, 0, 0, 0, 997515, "0::0::9", "9::75::15"},
    {2000, 4, 11, 0, 0, 0, 10074910, "1::0::0", "7::49::10"},
    {2026, 1, 1, 0, 0, 0, 947340858, "94::7::3", "4::8::58"},
    {2026, 12, 6, 21, 0, 0, 981243930, "98::1::2", "4::39::30"},
    {2038, 1, 19, 3, 14, 7, 1386361056, "138::6::3", "6::10::56"},
    {1999, 12, 31, 23, 59, 59, -1, "0::0::0", "0::0::-1"},
    {1999, 12, 31, 0, 0, 0, -99751, "0::0::0", "-9::-97::-51"},
    {1970, 1, 1, 0, 0, 0, -1092978180, "-109::-2::-9", "-7::-81::-80"},
    // Beyond both ends of the 32-bit moments. Computed in Python with
    // fractions: the exact product of the elapsed seconds and the constant's
    // double, rounded to a double, truncated, then split by the places.
    {2038, 1, 19, 3, 14, 8, 1386361057, "138::6::3", "6::10::57"},
    {2038, 12, 31, 23, 59, 59, 1420961410, "142::0::9", "6::14::10"},
    {2100, 3, 1, 0, 0, 0, 3649312198, "364::9::3", "1::21::98"},
    {2999, 12, 31, 23, 59, 59, 36433570288, "3643::3::5", "7::2::88"},
    {1901, 12, 13, 20, 45, 52, -3572317418, "-357::-2::-3", "-1::-74::-18"},
    {1901, 12, 13, 20, 45, 51, -3572317419, "-357::-2::-3", "-1::-74::-19"},
};

TEST_F(DecimalTimeInUtc, ReadingsOfTheReferenceTable)
{
    for (const Reading& r : kReadings) {
        const Moment moment = LocalMoment(r.year, r.month, r.day, r.hour, r.minute, r.second);
        SCOPED_TRACE(moment);
        EXPECT_EQ(DecimalSecondsSinceEpoch(moment), r.count);
        EXPECT_EQ(DecimalDateText(moment), r.date);
        EXPECT_EQ(DecimalClockText(moment), r.clock);
    }
}

TEST(DecimalConstant, IsTheStoredDoubleNotTheComputedQuotient)
{
    std::uint64_t bits;
    std::memcpy(&bits, &kDecimalSecondsPerSecond, sizeof bits);
    EXPECT_EQ(bits, 0x3FF278F6DCC258C3u);
    volatile double length = 0.8661516;
    EXPECT_NE(kDecimalSecondsPerSecond, 1.0 / length);
}

TEST_F(DecimalTimeInUtc, CountIsTruncatedNotRounded)
{
    const Moment epoch = LocalMoment(2000, 1, 1, 0, 0, 0);
    EXPECT_EQ(DecimalSecondsSinceEpoch(epoch + 8661515), 9999998);
    EXPECT_EQ(DecimalSecondsSinceEpoch(epoch + 8661516), 10000000);
    EXPECT_EQ(DecimalDateText(epoch + 8661516), "1::0::0");
    EXPECT_EQ(DecimalClockText(epoch + 8661516), "0::0::0");
    // Toward zero below the epoch: -1.15 gives -1, -2.31 gives -2.
    EXPECT_EQ(DecimalSecondsSinceEpoch(epoch - 2), -2);
}

TEST_F(DecimalTimeInUtc, PlacesBeforeTheEpochAreNeverPositive)
{
    const Moment epoch = LocalMoment(2000, 1, 1, 0, 0, 0);
    for (Moment moment = 0; moment < epoch; moment += 7777777) {
        int year, week, day, hour, minute, second;
        ASSERT_EQ(std::sscanf(DecimalDateText(moment).c_str(), "%d::%d::%d", &year, &week, &day), 3);
        ASSERT_EQ(std::sscanf(DecimalClockText(moment).c_str(), "%d::%d::%d", &hour, &minute, &second), 3);
        EXPECT_LE(year, 0);
        EXPECT_LE(week, 0);
        EXPECT_LE(day, 0);
        EXPECT_LE(hour, 0);
        EXPECT_LE(minute, 0);
        EXPECT_LE(second, 0);
    }
}

TEST_F(DecimalTimeInUtc, ClockAndDateTextsOfOneMomentAgree)
{
    const Moment epoch = LocalMoment(2000, 1, 1, 0, 0, 0);
    for (Moment moment = epoch; moment < epoch + 400000000; moment += 1234567) {
        const std::int64_t count = DecimalSecondsSinceEpoch(moment);
        int year, week, day, hour, minute, second;
        ASSERT_EQ(std::sscanf(DecimalDateText(moment).c_str(), "%d::%d::%d", &year, &week, &day), 3);
        ASSERT_EQ(std::sscanf(DecimalClockText(moment).c_str(), "%d::%d::%d", &hour, &minute, &second), 3);
        EXPECT_EQ(year * 10000000LL + week * 1000000LL + day * 100000LL + hour * 10000LL + minute * 100LL + second,
                  count);
        EXPECT_LT(week, 10);
        EXPECT_LT(day, 10);
        EXPECT_LT(hour, 10);
        EXPECT_LT(minute, 100);
        EXPECT_LT(second, 100);
    }
}

TEST(DecimalTimeWithDaylightSaving, SummerReadsOneStandardHourLessThanTheWallClock)
{
    UseTimeZone("EST5EDT,M4.1.0,M10.5.0");
    const Moment epoch = LocalMoment(2000, 1, 1, 0, 0, 0);
    const Moment summer = LocalMoment(2000, 7, 1, 0, 0, 0);
    const std::int64_t wallSeconds = 182LL * 86400;
    EXPECT_EQ(summer - epoch, wallSeconds - 3600);
    const std::int64_t count = DecimalSecondsSinceEpoch(summer);
    const std::int64_t wallCount = static_cast<std::int64_t>(wallSeconds * kDecimalSecondsPerSecond);
    EXPECT_EQ(wallCount - count, 4156);
    UseTimeZone("UTC");
}

TEST(DecimalTimeNow, TextsOfTheSystemClockMatchTheCurrentMoment)
{
    UseTimeZone("UTC");
    const Moment before = CurrentMoment();
    const std::string clock = DecimalClockText();
    const Moment after = CurrentMoment();
    EXPECT_TRUE(clock == DecimalClockText(before) || clock == DecimalClockText(after)) << clock;
    EXPECT_GT(DecimalSecondsSinceEpoch(), 900000000);
}

} // namespace
