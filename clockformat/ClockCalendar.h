// Calendar arithmetic of the clock format: week numbers, days of the year,
// day ordinals. Every function takes any int without faulting.
#pragma once

#include <string_view>

// Day of the year, 1-366, of a Gregorian date (month 1-12; a month out of
// range is clamped into it).
int DayOfYear(int year, int month, int day);

// Week of the year, 1-54: week 1 is the week that holds 1 January, and each
// week starts on firstDay (0 Sunday .. 6 Saturday). Weeks never run across
// the turn of the year: 31 December may be in week 53 or 54 and 1 January
// is always in week 1. weekday is that of dayOfYear, 0 Sunday.
int WeekOfYear(int dayOfYear, int weekday, int firstDay);

// The English ordinal suffix of a day: "st" for 1, 21, 31; "nd" for 2, 22;
// "rd" for 3, 23; "th" for the rest, 11, 12 and 13 included.
std::string_view OrdinalSuffix(int day);
