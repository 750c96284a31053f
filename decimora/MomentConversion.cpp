#include "MomentConversion.h"

#include <ctime>
#include <limits>
#include <optional>

// The calendar time of a local reading in the C runtime's 64-bit time_t;
// empty when the runtime cannot convert it.
static std::optional<std::time_t> TimeOfLocal(const LocalDateTime& local)
{
    std::tm fields{};
    fields.tm_year = local.year - 1900;
    fields.tm_mon = local.month - 1;
    fields.tm_mday = local.day;
    fields.tm_hour = local.hour;
    fields.tm_min = local.minute;
    fields.tm_sec = local.second;
    fields.tm_isdst = -1;
    const std::time_t time = std::mktime(&fields);
    if (time == static_cast<std::time_t>(-1)) {
        return std::nullopt;
    }
    return time;
}

static LocalDateTime LocalTimeOfTime(std::time_t time)
{
    std::tm fields{};
#ifdef _WIN32
    localtime_s(&fields, &time);
#else
    localtime_r(&time, &fields);
#endif
    return {fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday, fields.tm_hour, fields.tm_min, fields.tm_sec};
}

// The moment of a local reading; empty outside the representable range.
std::optional<Moment> MomentOfLocal(const LocalDateTime& local)
{
    const std::optional<std::time_t> time = TimeOfLocal(local);
    if (!time || *time < 0 || *time > std::numeric_limits<Moment>::max()) {
        return std::nullopt;
    }
    return static_cast<Moment>(*time);
}

LocalDateTime LocalTimeOf(Moment moment)
{
    return LocalTimeOfTime(moment);
}

LocalDateTime FirstRepresentableLocalTime()
{
    return LocalTimeOf(0);
}

LocalDateTime LastRepresentableLocalTime()
{
    return LocalTimeOf(std::numeric_limits<Moment>::max());
}

std::string MomentConversionText(const LocalDateTime& date, const LocalDateTime& time)
{
    // Only the moment converted has to fit 32 bits; each picker's own value
    // (the date picker's time of day may lie past the last moment) goes
    // through the runtime's 64-bit calendar time.
    const std::optional<std::time_t> dateTime = TimeOfLocal(date);
    const std::optional<std::time_t> timeTime = TimeOfLocal(time);
    if (!dateTime || !timeTime) {
        return {};
    }
    const LocalDateTime day = LocalTimeOfTime(*dateTime);
    const LocalDateTime timeOfDay = LocalTimeOfTime(*timeTime);
    const std::optional<Moment> moment =
        MomentOfLocal({day.year, day.month, day.day, timeOfDay.hour, timeOfDay.minute, timeOfDay.second});
    if (!moment) {
        return {};
    }
    return DecimalDateText(*moment) + '\n' + DecimalClockText(*moment);
}
