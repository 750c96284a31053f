#include "clockformat/ClockCalendar.h"

#include <algorithm>

static int Modulo(int value, int divisor)
{
    int rest = value % divisor;
    return rest < 0 ? rest + divisor : rest;
}

static bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DayOfYear(int year, int month, int day)
{
    static const int daysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    month = std::clamp(month, 1, 12);
    day = std::clamp(day, 1, 31);
    int leapDay = month > 2 && IsLeapYear(year) ? 1 : 0;
    return daysBeforeMonth[month - 1] + leapDay + day;
}

int WeekOfYear(int dayOfYear, int weekday, int firstDay)
{
    dayOfYear = std::clamp(dayOfYear, 1, 366);
    int weekdayOfFirstJanuary = Modulo(Modulo(weekday, 7) - (dayOfYear - 1) % 7, 7);
    // Days of week 1 that still belong to the old year.
    int daysBeforeFirstJanuary = Modulo(weekdayOfFirstJanuary - Modulo(firstDay, 7), 7);
    return (dayOfYear - 1 + daysBeforeFirstJanuary) / 7 + 1;
}

std::string_view OrdinalSuffix(int day)
{
    int lastTwo = day % 100;
    if (lastTwo < 0) {
        lastTwo = -lastTwo;
    }
    if (lastTwo >= 11 && lastTwo <= 13) {
        return "th";
    }
    switch (lastTwo % 10) {
    case 1:
        return "st";
    case 2:
        return "nd";
    case 3:
        return "rd";
    default:
        return "th";
    }
}
