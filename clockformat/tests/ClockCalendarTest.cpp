#include "clockformat/ClockCalendar.h"

#include <gtest/gtest.h>

TEST(DayOfYear, CountsTheLeapDayOnlyInLeapYears)
{
    EXPECT_EQ(DayOfYear(2023, 1, 1), 1);
    EXPECT_EQ(DayOfYear(2023, 3, 1), 60);
    EXPECT_EQ(DayOfYear(2024, 3, 1), 61);
    EXPECT_EQ(DayOfYear(1900, 3, 1), 60);
    EXPECT_EQ(DayOfYear(2000, 3, 1), 61);
    EXPECT_EQ(DayOfYear(2024, 12, 31), 366);
    EXPECT_EQ(DayOfYear(2024, 13, 40), 366); // clamped, never out of the table
}

TEST(WeekOfYear, StartsWeekOneOnFirstJanuaryAcrossTheYearEnd)
{
    // 2004-12-31 is a Friday, day 366; 2005-01-01 a Saturday.
    EXPECT_EQ(WeekOfYear(366, 5, 0), 53);
    EXPECT_EQ(WeekOfYear(1, 6, 0), 1);
    EXPECT_EQ(WeekOfYear(1, 6, 1), 1);
    // Sunday 2 January starts week 2 when weeks start on Sunday only.
    EXPECT_EQ(WeekOfYear(2, 0, 0), 2);
    EXPECT_EQ(WeekOfYear(2, 0, 1), 1);
    EXPECT_EQ(WeekOfYear(3, 1, 1), 2);
    // Saturday as first day: 1 January 2005 starts week 1 itself.
    EXPECT_EQ(WeekOfYear(7, 5, 6), 1);
    EXPECT_EQ(WeekOfYear(8, 6, 6), 2);
}

TEST(WeekOfYear, ReachesWeek54AndTakesAnyFirstDay)
{
    // 2000 is a leap year starting on a Saturday: 31 December, a Sunday, is in week 54.
    EXPECT_EQ(WeekOfYear(366, 0, 0), 54);
    EXPECT_EQ(WeekOfYear(366, 0, 1), 53);
    EXPECT_EQ(WeekOfYear(366, 0, 7), WeekOfYear(366, 0, 0));
    EXPECT_EQ(WeekOfYear(366, 0, -1), WeekOfYear(366, 0, 6));
    EXPECT_EQ(WeekOfYear(-5, -200, 1000), 1);
}

TEST(OrdinalSuffix, FollowsEnglishUsage)
{
    const struct {
        int day;
        const char* suffix;
    } cases[] = {{1, "st"},  {2, "nd"},  {3, "rd"},  {4, "th"},  {11, "th"}, {12, "th"},  {13, "th"},
                 {21, "st"}, {22, "nd"}, {23, "rd"}, {31, "st"}, {0, "th"},  {111, "th"}, {101, "st"}};
    for (const auto& c : cases) {
        EXPECT_EQ(OrdinalSuffix(c.day), c.suffix) << c.day;
    }
}
