// When a clock's text can next change: which units of time a format shows,
// and how long until the next of them turns over in local time. Lets the
// clock sleep through the seconds it does not show.
#pragma once

#include "clockformat/ClockFormat.h"

#include <functional>
#include <string_view>

// The finest unit of the local clock a text depends on. None: only literal
// text and user elements (which change by pokes, not by time).
enum class ClockUnit { None, Day, Hour, Minute, Second };

struct FormatPace {
    ClockUnit finest = ClockUnit::None;
    bool beats = false; // internet time: 1000 beats a day of UTC+1

    bool operator==(const FormatPace& other) const { return finest == other.finest && beats == other.beats; }
};

// The pace of a format's text, looking through f elements into the locale's
// pictures. Resource readings count as changing every second.
FormatPace PaceOf(std::string_view format, const LocaleTexts& locale);

// The pace that follows both.
FormatPace Finer(FormatPace a, FormatPace b);

// The local time's offset from UTC at a UTC instant: local minus UTC, in
// minutes (UTC+1 gives 60).
using UtcOffsetAt = std::function<int(long long utcMilliseconds)>;

// Milliseconds from the UTC instant now (ms since any midnight-aligned
// epoch, such as 1970-01-01) until the text of that pace next changes; at
// least 1. A pace of None still wakes for the day change, as the date shows
// elsewhere. Day and hour are counted in local time, so a day of 23 or 25
// hours and each change of the offset are followed.
long long MillisecondsToNextChange(FormatPace pace, long long now, const UtcOffsetAt& offsetAt);
