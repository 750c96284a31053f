#include "MomentConversion.h"
#include "UseTimeZone.h"

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

TEST_F(MomentConversion, ConvertsNothingOutsideTheRepresentableRange)
{
    EXPECT_EQ(Convert(1969, 12, 31, 23, 59, 59), "");
    EXPECT_EQ(Convert(2038, 1, 19, 3, 14, 8), "");
    EXPECT_EQ(Convert(2100, 1, 1, 0, 0, 0), "");
    // The date picker's time of day on the last day is past the last moment;
    // only the moment put together counts.
    EXPECT_EQ(MomentConversionText({2038, 1, 19, 23, 0, 0}, {2040, 1, 1, 3, 14, 7}), "138::6::3\n6::10::56");
}

bool operator==(const LocalDateTime& a, const LocalDateTime& b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour && a.minute == b.minute &&
           a.second == b.second;
}

TEST_F(MomentConversion, RepresentableLimitsAreLocalReadings)
{
    EXPECT_TRUE(FirstRepresentableLocalTime() == (LocalDateTime{1970, 1, 1, 0, 0, 0}));
    EXPECT_TRUE(LastRepresentableLocalTime() == (LocalDateTime{2038, 1, 19, 3, 14, 7}));

    // Nine hours east of UTC the first moment reads 09:00 local; the hour before it is out.
    UseTimeZone("JST-9");
    EXPECT_EQ(FirstRepresentableLocalTime().hour, 9);
    EXPECT_EQ(LastRepresentableLocalTime().hour, 12);
    EXPECT_EQ(Convert(1970, 1, 1, 8, 59, 59), "");
    EXPECT_NE(Convert(1970, 1, 1, 9, 0, 0), "");
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
    UseTimeZone("UTC");
    EXPECT_EQ(summer, Convert(2000, 7, 1, 11, 0, 0));
}

} // namespace
