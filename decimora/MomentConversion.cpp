#include "decimora/MomentConversion.h"

#include <optional>

// The local reading of a picker's value, normalised through its moment.
static std::optional<LocalDateTime> NormalisedLocal(const LocalDateTime& value)
{
    const std::optional<Moment> moment = MomentOfLocal(value);
    if (!moment) {
        return std::nullopt;
    }
    return LocalTimeOf(*moment);
}

std::string MomentConversionText(const LocalDateTime& date, const LocalDateTime& time)
{
    const std::optional<LocalDateTime> day = NormalisedLocal(date);
    const std::optional<LocalDateTime> timeOfDay = NormalisedLocal(time);
    if (!day || !timeOfDay) {
        return {};
    }
    const std::optional<Moment> moment =
        MomentOfLocal({day->year, day->month, day->day, timeOfDay->hour, timeOfDay->minute, timeOfDay->second});
    if (!moment) {
        return {};
    }
    return DecimalDateText(*moment) + '\n' + DecimalClockText(*moment);
}
