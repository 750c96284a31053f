// The lower half of the converter: a local date and a local time of day,
// as the two pickers hold them, read in decimal time.
#pragma once

#include "DecimalTime.h"

#include <string>

// A local wall-clock reading in whole seconds; month 1 to 12.
struct LocalDateTime {
    int year, month, day, hour, minute, second;
};

// The local reading of a moment.
LocalDateTime LocalTimeOf(Moment moment);

// The local readings of the first and the last representable moment, the
// limits of both pickers.
LocalDateTime FirstRepresentableLocalTime();
LocalDateTime LastRepresentableLocalTime();

// The decimal date text, a line feed and the decimal clock text of the
// moment at which the local wall clock shows the day of `date` and the time
// of day of `time` (daylight saving left to the zone's rules). Each picker
// value goes through a moment and back first, so a wall-clock time that a
// change to summer time skips reads as the platform's conversion places it.
// Empty when that moment lies outside the representable range.
std::string MomentConversionText(const LocalDateTime& date, const LocalDateTime& time);
