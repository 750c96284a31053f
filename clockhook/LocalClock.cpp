#include "clockhook/LocalClock.h"

#include "clockhook/model/ClockMonitor.h"

#include <cstdint>

#include <string>

static std::string NarrowText(const WCHAR* text)
{
    char buffer[128];
    int length = WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof buffer, nullptr, nullptr);
    return length > 0 ? std::string(buffer) : std::string();
}

ClockMoment CurrentClockMoment()
{
    SYSTEMTIME local;
    SYSTEMTIME utc;
    GetLocalTime(&local);
    GetSystemTime(&utc);
    TIME_ZONE_INFORMATION zone;
    DWORD zoneState = GetTimeZoneInformation(&zone);

    ClockMoment moment;
    moment.year = local.wYear;
    moment.month = local.wMonth;
    moment.day = local.wDay;
    moment.weekday = local.wDayOfWeek;
    moment.dayOfYear = DayOfYear(local.wYear, local.wMonth, local.wDay);
    moment.hour = local.wHour;
    moment.minute = local.wMinute;
    moment.second = local.wSecond;
    moment.utcSecondsOfDay = utc.wHour * 3600 + utc.wMinute * 60 + utc.wSecond;
    if (zoneState == TIME_ZONE_ID_DAYLIGHT) {
        moment.biasMinutes = zone.Bias + zone.DaylightBias;
        moment.zoneName = NarrowText(zone.DaylightName);
    } else if (zoneState != TIME_ZONE_ID_INVALID) {
        moment.biasMinutes = zone.Bias + zone.StandardBias;
        moment.zoneName = NarrowText(zone.StandardName);
    }
    return moment;
}

static std::string LocaleText(LCID locale, LCTYPE item)
{
    char buffer[128];
    return GetLocaleInfoA(locale, item, buffer, sizeof buffer) > 0 ? std::string(buffer) : std::string();
}

// The locale's time format without its seconds (the short time format is
// not a locale item before Windows Vista).
static std::string WithoutSeconds(const std::string& timeFormat)
{
    std::string::size_type seconds = timeFormat.find('s');
    if (seconds == std::string::npos) {
        return timeFormat;
    }
    std::string::size_type end = timeFormat.find_first_not_of('s', seconds);
    std::string::size_type start = seconds;
    while (start > 0 && timeFormat[start - 1] != 'm' && timeFormat[start - 1] != 'H' && timeFormat[start - 1] != 'h') {
        --start;
    }
    return timeFormat.substr(0, start) + (end == std::string::npos ? std::string() : timeFormat.substr(end));
}

LocaleTexts LocaleTextsFor(LCID locale)
{
    LocaleTexts texts;
    for (int day = 0; day < 7; ++day) {
        // The locale counts its days from Monday, the renderer from Sunday.
        int sundayFirst = (day + 1) % 7;
        texts.longDayNames[sundayFirst] = LocaleText(locale, LOCALE_SDAYNAME1 + day);
        texts.shortDayNames[sundayFirst] = LocaleText(locale, LOCALE_SABBREVDAYNAME1 + day);
    }
    for (int month = 0; month < 12; ++month) {
        texts.longMonthNames[month] = LocaleText(locale, LOCALE_SMONTHNAME1 + month);
        texts.shortMonthNames[month] = LocaleText(locale, LOCALE_SABBREVMONTHNAME1 + month);
    }
    texts.amText = LocaleText(locale, LOCALE_S1159);
    texts.pmText = LocaleText(locale, LOCALE_S2359);
    char era[64];
    if (GetCalendarInfoA(locale, CAL_GREGORIAN, CAL_SERASTRING, era, sizeof era, nullptr) > 0) {
        texts.eraText = era;
    }
    texts.thousandSeparator = LocaleText(locale, LOCALE_STHOUSAND);
    texts.longTimeFormat = LocaleText(locale, LOCALE_STIMEFORMAT);
    texts.shortTimeFormat = WithoutSeconds(texts.longTimeFormat);
    texts.shortDateFormat = LocaleText(locale, LOCALE_SSHORTDATE);
    texts.longDateFormat = LocaleText(locale, LOCALE_SLONGDATE);
    return texts;
}

static std::uint64_t FileTimeValue(const FILETIME& time)
{
    return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

ResourceReadings SampleResources(bool withCpu, bool physicalOnly, CpuTimes& last)
{
    ResourceReadings readings;
    MEMORYSTATUSEX memory;
    memory.dwLength = sizeof memory;
    if (GlobalMemoryStatusEx(&memory)) {
        readings.physicalFreeKb = static_cast<long long>(memory.ullAvailPhys / 1024);
        // Without "physical only" the load counts the commit charge against
        // the commit limit, so the page file counts too.
        readings.memoryLoad = physicalOnly ? static_cast<int>(memory.dwMemoryLoad)
                                           : PercentInUse(memory.ullTotalPageFile, memory.ullAvailPageFile);
    }

    FILETIME idle, kernel, user;
    if (withCpu && GetSystemTimes(&idle, &kernel, &user)) {
        CpuTimes now{FileTimeValue(idle), FileTimeValue(kernel), FileTimeValue(user)};
        readings.cpuUsage = CpuUsagePercent(last, now);
        last = now;
    } else {
        last = CpuTimes();
    }
    return readings;
}
