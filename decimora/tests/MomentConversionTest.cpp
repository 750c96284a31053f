#include "decimora/MomentConversion.h"
#include "decimal/testing/UseTimeZone.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

namespace {

class MomentConversion : public ::testing::Test {
protected:
    void SetUp() override { UseTimeZone("UTC"); }
    void TearDown() override { UseTimeZone("UTC"); }
};

// The date picker's time of day and the time picker's date must play no part.
std::string Convert(int year, int month, int day, int hour, int minute, int second)
{
    return MomentConversionText({year, month, day, 17, 45, 12}, {2011, 6, 15, hour, minute, second});
}

TEST_F(MomentConversion, ReadsTheChosenDayAtTheChosenTime)
{
    EXPECT_EQ(Convert(2000, 1, 1, 0, 0, 0), "0::0::0\n0::0::0");
    EXPECT_EQ(Convert(2000, 1, 2, 0, 3, 36), "0::0::1\n0::0::0");
    EXPECT_EQ(Convert(2026, 12, 6, 21, 0, 0), "98::1::2\n4::39::30");
    EXPECT_EQ(Convert(1999, 12, 31, 23, 59, 59), "0::0::0\n0::0::-1");
    EXPECT_EQ(Convert(1970, 1, 1, 0, 0, 0), "-109::-2::-9\n-7::-81::-80");
    EXPECT_EQ(Convert(2038, 1, 19, 3, 14, 7), "138::6::3\n6::10::56");
}

// The pickers' own range (under Wine 1752-09-14 to 9999-12-31) lies far
// outside the years the Microsoft C runtime converts (1970 to 3000). Texts
// from Python's fractions, as in the decimal table.
TEST_F(MomentConversion, ConvertsEveryDateOfThePickers)
{
    EXPECT_EQ(Convert(2038, 1, 19, 3, 14, 8), "138::6::3\n6::10::57");
    EXPECT_EQ(Convert(2999, 12, 31, 23, 59, 59), "3643::3::5\n7::2::88");
    EXPECT_EQ(Convert(9999, 12, 31, 23, 59, 59), "29146::8::1\n6::33::8");
    EXPECT_EQ(Convert(1752, 9, 14, 0, 0, 0), "-900::-9::-8\n-6::-29::-38");
    EXPECT_EQ(Convert(1601, 1, 1, 0, 0, 0), "-1453::-6::-8\n-9::-90::-83");

    // Nine hours east of UTC, and so is the epoch: the same readings.
    UseTimeZone("JST-9");
    EXPECT_EQ(Convert(9999, 12, 31, 23, 59, 59), "29146::8::1\n6::33::8");
    EXPECT_EQ(Convert(1601, 1, 1, 0, 0, 0), "-1453::-6::-8\n-9::-90::-83");
}

TEST_F(MomentConversion, FollowsTheZonesDaylightSaving)
{
    // Central Europe: summer time from the last Sunday in March, 02:00 -> 03:00.
    UseTimeZone("CET-1CEST,M3.5.0,M10.5.0/3");
    // Local midnight at the epoch is the reading 0 in every zone.
    EXPECT_EQ(Convert(2000, 1, 1, 0, 0, 0), "0::0::0\n0::0::0");
    // One summer hour less has elapsed than the wall clock suggests:
    // 2000-07-01 12:00 local is 182 days and 11 standard hours after the epoch.
    const std::string summer = Convert(2000, 7, 1, 12, 0, 0);
    // The zone's rules hold in every year, whichever the C runtime takes.
    const std::string farSummer = Convert(9999, 7, 1, 12, 0, 0);
    const std::string farWinter = Convert(9999, 12, 1, 12, 0, 0);
    const std::string earlySummer = Convert(1700, 7, 1, 12, 0, 0);
    UseTimeZone("UTC");
    EXPECT_EQ(summer, Convert(2000, 7, 1, 11, 0, 0));
    EXPECT_EQ(farSummer, Convert(9999, 7, 1, 11, 0, 0));
    EXPECT_EQ(farWinter, Convert(9999, 12, 1, 12, 0, 0));
    EXPECT_EQ(earlySummer, Convert(1700, 7, 1, 11, 0, 0));
}

} // namespace
