#include "clockhook/model/CalendarMonth.h"

#include <gtest/gtest.h>

TEST(LastDate, RoundTripsAMonthAsYearAndMonthDigits)
{
    EXPECT_EQ(EncodeLastDate({2006, 7}), 200607);
    CalendarMonth month;
    ASSERT_TRUE(DecodeLastDate(200607, month));
    EXPECT_EQ(month.year, 2006);
    EXPECT_EQ(month.month, 7);
    ASSERT_TRUE(DecodeLastDate(EncodeLastDate({kLastCalendarYear, 12}), month));
    ASSERT_TRUE(DecodeLastDate(EncodeLastDate({kFirstCalendarYear, 1}), month));
}

TEST(LastDate, NamesNoMonthForStoredValuesThatAreNotOne)
{
    CalendarMonth month{2020, 5};
    for (std::int32_t stored : {-1, 0, 200600, 200613, 175212, 1000001, -200607, 2006}) {
        EXPECT_FALSE(DecodeLastDate(stored, month)) << stored;
    }
    EXPECT_EQ(month.year, 2020) << "left alone";
}

TEST(Weekday, MatchesKnownDates)
{
    EXPECT_EQ(Weekday(2000, 1, 1), 6);  // Saturday
    EXPECT_EQ(Weekday(2024, 2, 29), 4); // Thursday
    EXPECT_EQ(Weekday(1753, 1, 1), 1);  // Monday
    EXPECT_EQ(Weekday(9999, 12, 31), 5);
}

TEST(HighlightedDays, MarksTheChosenWeekdaysOfTheMonth)
{
    // February 2024 starts on a Thursday and has 29 days.
    std::uint32_t weekends = 0;
    for (int day : {3, 10, 17, 24, 4, 11, 18, 25}) {
        weekends |= 1u << (day - 1);
    }
    EXPECT_EQ(HighlightedDays({2024, 2}, 0x41), weekends) << "Saturdays and Sundays";
    EXPECT_EQ(HighlightedDays({2024, 2}, 0x10), (1u << 0) | (1u << 7) | (1u << 14) | (1u << 21) | (1u << 28))
        << "Thursdays 1 8 15 22 29";
    EXPECT_EQ(HighlightedDays({2023, 2}, 0x7F), 0x0FFFFFFFu) << "every day of 28";
    EXPECT_EQ(HighlightedDays({2024, 1}, 0x7F), 0x7FFFFFFFu) << "every day of 31";
    EXPECT_EQ(HighlightedDays({2024, 1}, 0), 0u);
    EXPECT_EQ(HighlightedDays({2024, 13}, 0x7F), 0u) << "no such month";
}

TEST(MonthCalendarFirstDay, CountsFromMonday)
{
    EXPECT_EQ(MonthCalendarFirstDay(0), 6); // Sunday
    EXPECT_EQ(MonthCalendarFirstDay(1), 0); // Monday
    EXPECT_EQ(MonthCalendarFirstDay(6), 5); // Saturday
    EXPECT_EQ(MonthCalendarFirstDay(9), 6);
    EXPECT_EQ(MonthCalendarFirstDay(-3), 6);
}

TEST(AddMonths, CrossesYearEnds)
{
    CalendarMonth next = AddMonths({2024, 12}, 1);
    EXPECT_EQ(next.year, 2025);
    EXPECT_EQ(next.month, 1);
    CalendarMonth back = AddMonths({2024, 1}, -1);
    EXPECT_EQ(back.year, 2023);
    EXPECT_EQ(back.month, 12);
    CalendarMonth far = AddMonths({2024, 11}, 14);
    EXPECT_EQ(far.year, 2026);
    EXPECT_EQ(far.month, 1);
}
