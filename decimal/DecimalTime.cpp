#include "DecimalTime.h"

#include <cstdio>
#include <ctime>
#include <limits>

namespace {

// Local midnight at the start of 2000-01-01; the conversion decides
// whether daylight saving is in force there.
std::int64_t DecimalEpoch()
{
    std::tm local{};
    local.tm_year = 100;
    local.tm_mon = 0;
    local.tm_mday = 1;
    local.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&local));
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

Moment CurrentMoment()
{
    const std::time_t now = std::time(nullptr);
    if (now > std::numeric_limits<Moment>::max()) {
        return std::numeric_limits<Moment>::max();
    }
    if (now < 0) {
        return 0;
    }
    return static_cast<Moment>(now);
}

std::int64_t DecimalSecondsSinceEpoch(Moment moment)
{
    const std::int64_t elapsed = static_cast<std::int64_t>(moment) - DecimalEpoch();
    // A plain double product: the 32-bit build uses SSE2, so no wider
    // intermediate precision can change the last bit. |elapsed| < 2^34 is
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
