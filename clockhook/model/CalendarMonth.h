// Month arithmetic of the clock's calendar window: the remembered month as
// stored in "LastDate", the highlighted days of a month, and the first day
// of the week in the month calendar control's counting. No window needed.
#pragma once

#include <cstdint>

struct CalendarMonth {
    int year = 0;
    int month = 0; // 1-12
};

// The first and last years the calendar shows (the month calendar control
// starts at the Gregorian reform in Britain).
constexpr int kFirstCalendarYear = 1753;
constexpr int kLastCalendarYear = 9999;

// "LastDate" holds a remembered month as year * 100 + month (200607 for
// July 2006), readable in the registry editor. -1 means "do not remember".
std::int32_t EncodeLastDate(CalendarMonth month);

// The month a stored "LastDate" names, or false when it names none: -1, the
// 0 of a fresh registry, and anything outside the calendar's years.
bool DecodeLastDate(std::int32_t lastDate, CalendarMonth& month);

// Day of the week, 0 Sunday .. 6 Saturday, of a Gregorian date.
int Weekday(int year, int month, int day);

int DaysInMonth(int year, int month);

// The month calendar control's day-state bits for a month: bit d - 1 set
// for each day d whose weekday is in weekendDays (bit 0 Sunday .. bit 6
// Saturday).
std::uint32_t HighlightedDays(CalendarMonth month, std::uint32_t weekendDays);

// The month calendar control counts the first day of the week from Monday
// (0 Monday .. 6 Sunday); the settings count from Sunday. Out-of-range
// values give Sunday.
int MonthCalendarFirstDay(int firstDay);

// The month after (or before, for a negative step) the given one.
CalendarMonth AddMonths(CalendarMonth month, int count);
