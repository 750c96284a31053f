// The lower half of the converter: a local date and a local time of day,
// as the two pickers hold them, read in decimal time.
#pragma once

#include "decimal/DecimalTime.h"

#include <string>

// The decimal date text, a line feed and the decimal clock text of the
// moment at which the local wall clock shows the day of `date` and the time
// of day of `time` (daylight saving left to the zone's rules). Each picker
// value goes through a moment and back first, so a wall-clock time that a
// change to summer time skips reads as the platform's conversion places it.
// Every date of the pickers converts; empty only when the C runtime refuses.
std::string MomentConversionText(const LocalDateTime& date, const LocalDateTime& time);
