// Decimal time: a decimal second lasts 0.8661516 s and a decimal day holds
// 100,000 of them, counted from local midnight at the start of 2000-01-01.
#pragma once

#include "decimal/LocalCalendar.h"

#include <cstdint>
#include <string>

// The double nearest to 1 / 0.8661516, stored rather than computed: the
// quotient computed in double arithmetic comes out one unit lower.
constexpr double kDecimalSecondsPerSecond = 1.1545323012738187;

// Whole decimal seconds from the decimal epoch to the moment, truncated
// toward zero (negative before the epoch). Exact for every moment within
// 2^53 seconds (some 285 million years) of the epoch, far beyond any clock
// or calendar; the years place is unbounded.
std::int64_t DecimalSecondsSinceEpoch(Moment moment);
std::int64_t DecimalSecondsSinceEpoch();

// "hour::minute::second" of the decimal day, no leading zeros.
std::string DecimalClockText(Moment moment);
std::string DecimalClockText();

// "years::week::day" since the decimal epoch, no leading zeros.
std::string DecimalDateText(Moment moment);
std::string DecimalDateText();
