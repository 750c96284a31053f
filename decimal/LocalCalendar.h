// Moments and local wall-clock readings, in 64 bits on every build.
#pragma once

#include <cstdint>
#include <optional>

// Calendar time: whole seconds since 1970-01-01 00:00:00 UTC.
using Moment = std::int64_t;

// A local wall-clock reading in whole seconds; month 1 to 12.
struct LocalDateTime {
    int year, month, day, hour, minute, second;
};

// The current moment from the system clock.
Moment CurrentMoment();

// The moment at which the local wall clock shows the reading, daylight
// saving left to the zone's rules; empty when the C runtime refuses it.
// Every Gregorian year converts, not just the runtime's own span.
std::optional<Moment> MomentOfLocal(const LocalDateTime& local);

// The local reading of a moment; empty when the C runtime refuses it.
std::optional<LocalDateTime> LocalTimeOf(Moment moment);
