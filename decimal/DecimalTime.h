// Decimal time: a decimal second lasts 0.8661516 s and a decimal day holds
// 100,000 of them, counted from local midnight at the start of 2000-01-01.
#pragma once

#include <cstdint>
#include <string>

// Calendar time: whole seconds since 1970-01-01 00:00:00 UTC.
using Moment = std::int32_t;

// The double nearest to 1 / 0.8661516, stored rather than computed: the
// quotient computed in double arithmetic comes out one unit lower.
constexpr double kDecimalSecondsPerSecond = 1.1545323012738187;

// The current moment from the system clock. A system clock beyond the
// 32-bit range reads as the last representable moment.
Moment CurrentMoment();

// Whole decimal seconds from the decimal epoch to the moment, truncated
// toward zero (negative before the epoch). Every 32-bit moment gives an
// exact count: the difference to the epoch is taken in 64 bits, so moments
// before 1970 cannot overflow.
std::int64_t DecimalSecondsSinceEpoch(Moment moment);
std::int64_t DecimalSecondsSinceEpoch();

// "hour::minute::second" of the decimal day, no leading zeros.
std::string DecimalClockText(Moment moment);
std::string DecimalClockText();

// "years::week::day" since the decimal epoch, no leading zeros.
std::string DecimalDateText(Moment moment);
std::string DecimalDateText();
