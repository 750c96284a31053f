#include "decimal/DecimalTime.h"

#include <cstdio>

namespace {

// Local midnight at the start of 2000-01-01; the conversion decides
// whether daylight saving is in force there.
// A runtime that cannot convert it leaves the epoch at UTC midnight.
Moment DecimalEpoch()
{
    return MomentOfLocal({2000, 1, 1, 0, 0, 0}).value_or(946684800);
}

struct Places {
    std::int64_t top, middle, bottom;
};

// Splits the count by 10^7, 10^6, 10^5 (date) or 10^4, 10^2, 1 (clock);
// quotients truncate toward zero, so every place keeps the count's sign.
Places DatePlaces(std::int64_t count)
{
    const std::int64_t year = count / 10000000;
    count -= year * 10000000;
    const std::int64_t week = count / 1000000;
    count -= week * 1000000;
    return {year, week, count / 100000};
}

Places ClockPlaces(std::int64_t count)
{
    count %= 100000;
    const std::int64_t hour = count / 10000;
    count -= hour * 10000;
    const std::int64_t minute = count / 100;
    return {hour, minute, count - minute * 100};
}

std::string PlacesText(const Places& places)
{
    char text[128];
    std::snprintf(text, sizeof text, "%lld::%lld::%lld", static_cast<long long>(places.top),
                  static_cast<long long>(places.middle), static_cast<long long>(places.bottom));
    return text;
}

} // namespace

std::int64_t DecimalSecondsSinceEpoch(Moment moment)
{
    const std::int64_t elapsed = moment - DecimalEpoch();
    // A plain double product: the 32-bit build uses SSE2, so no wider
    // intermediate precision can change the last bit. |elapsed| < 2^53 is
    // exact in a double and the product stays far inside the 64-bit range.
    const double product = static_cast<double>(elapsed) * kDecimalSecondsPerSecond;
    return static_cast<std::int64_t>(product);
}

std::int64_t DecimalSecondsSinceEpoch()
{
    return DecimalSecondsSinceEpoch(CurrentMoment());
}

std::string DecimalClockText(Moment moment)
{
    return PlacesText(ClockPlaces(DecimalSecondsSinceEpoch(moment)));
}

std::string DecimalClockText()
{
    return DecimalClockText(CurrentMoment());
}

std::string DecimalDateText(Moment moment)
{
    return PlacesText(DatePlaces(DecimalSecondsSinceEpoch(moment)));
}

std::string DecimalDateText()
{
    return DecimalDateText(CurrentMoment());
}
