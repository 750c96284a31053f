#include "clockhook/model/CalendarMonth.h"

std::int32_t EncodeLastDate(CalendarMonth month)
{
    return month.year * 100 + month.month;
}

bool DecodeLastDate(std::int32_t lastDate, CalendarMonth& month)
{
    int year = lastDate / 100;
    int monthOfYear = lastDate % 100;
    if (year < kFirstCalendarYear || year > kLastCalendarYear || monthOfYear < 1 || monthOfYear > 12) {
        return false;
    }
    month.year = year;
    month.month = monthOfYear;
    return true;
}

int Weekday(int year, int month, int day)
{
    // Sakamoto's method.
    static const int offsets[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3) {
        year -= 1;
    }
    int weekday = (year + year / 4 - year / 100 + year / 400 + offsets[(month - 1) % 12] + day) % 7;
    return weekday < 0 ? weekday + 7 : weekday;
}

static bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

std::uint32_t HighlightedDays(CalendarMonth month, std::uint32_t weekendDays)
{
    int days = DaysInMonth(month.year, month.month);
    if (days == 0) {
        return 0;
    }
    std::uint32_t state = 0;
    int weekday = Weekday(month.year, month.month, 1);
    for (int day = 1; day <= days; ++day, weekday = (weekday + 1) % 7) {
        if (weekendDays & (1u << weekday)) {
            state |= 1u << (day - 1);
        }
    }
    return state;
}

int MonthCalendarFirstDay(int firstDay)
{
    if (firstDay < 0 || firstDay > 6) {
        firstDay = 0;
    }
    return (firstDay + 6) % 7;
}

CalendarMonth AddMonths(CalendarMonth month, int count)
{
    int index = month.year * 12 + (month.month - 1) + count;
    return CalendarMonth{index / 12, index % 12 + 1};
}
