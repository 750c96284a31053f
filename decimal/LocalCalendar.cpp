#include "decimal/LocalCalendar.h"

#include <ctime>

namespace {

// The 32-bit Windows runtime's time_t is 32 bits; its 64-bit functions are
// named apart.
#ifdef _WIN32
using CalendarTime = __time64_t;

CalendarTime RuntimeNow()
{
    return _time64(nullptr);
}

CalendarTime RuntimeTimeOfLocal(std::tm& fields)
{
    return _mktime64(&fields);
}

bool RuntimeLocalTime(CalendarTime time, std::tm& fields)
{
    return _localtime64_s(&fields, &time) == 0;
}
#else
using CalendarTime = std::time_t;
static_assert(sizeof(CalendarTime) == 8, "moments need a 64-bit time_t");

CalendarTime RuntimeNow()
{
    return std::time(nullptr);
}

CalendarTime RuntimeTimeOfLocal(std::tm& fields)
{
    return std::mktime(&fields);
}

bool RuntimeLocalTime(CalendarTime time, std::tm& fields)
{
    return localtime_r(&time, &fields) != nullptr;
}
#endif

// The Gregorian calendar repeats every 400 years to the weekday (146,097
// days), and so does every zone rule that names a weekday of a month.
// Readings outside the years the Microsoft C runtime converts (1970 to 3000
// UTC) move by whole cycles into them and back; a year's margin at each
// end leaves room for any zone's offset.
constexpr int kCycleYears = 400;
constexpr Moment kCycleSeconds = 146097LL * 86400;
constexpr int kFirstYear = 1971;
constexpr int kLastYear = 2999;
constexpr Moment kFirstMoment = 31536000;   // 1971-01-01 00:00:00 UTC
constexpr Moment kLastMoment = 32503679999; // 2999-12-31 23:59:59 UTC

// The whole cycles to add to `value` to bring it into [first, last].
long long CyclesInto(long long value, long long first, long long last, long long cycle)
{
    if (value < first) {
        return (first - value + cycle - 1) / cycle;
    }
    if (value > last) {
        return -((value - last + cycle - 1) / cycle);
    }
    return 0;
}

} // namespace

Moment CurrentMoment()
{
    return static_cast<Moment>(RuntimeNow());
}

std::optional<Moment> MomentOfLocal(const LocalDateTime& local)
{
    const int cycles = static_cast<int>(CyclesInto(local.year, kFirstYear, kLastYear, kCycleYears));
    std::tm fields{};
    fields.tm_year = local.year + cycles * kCycleYears - 1900;
    fields.tm_mon = local.month - 1;
    fields.tm_mday = local.day;
    fields.tm_hour = local.hour;
    fields.tm_min = local.minute;
    fields.tm_sec = local.second;
    fields.tm_isdst = -1;
    // Inside the span no reading falls on the moment -1, so it is the error.
    const CalendarTime time = RuntimeTimeOfLocal(fields);
    if (time == static_cast<CalendarTime>(-1)) {
        return std::nullopt;
    }
    return static_cast<Moment>(time) - cycles * kCycleSeconds;
}

std::optional<LocalDateTime> LocalTimeOf(Moment moment)
{
    const long long cycles = CyclesInto(moment, kFirstMoment, kLastMoment, kCycleSeconds);
    std::tm fields{};
    if (!RuntimeLocalTime(static_cast<CalendarTime>(moment + cycles * kCycleSeconds), fields)) {
        return std::nullopt;
    }
    const int year = fields.tm_year + 1900 - static_cast<int>(cycles) * kCycleYears;
    return LocalDateTime{year, fields.tm_mon + 1, fields.tm_mday, fields.tm_hour, fields.tm_min, fields.tm_sec};
}
