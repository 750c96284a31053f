#include "clockhook/WakeTimer.h"

#include "clockformat/ClockPace.h"
#include "clockhook/MonitorLines.h"
#include "clockhook/model/ClockChoices.h"
#include "win32/TolerantTimer.h"

#include <algorithm>

// A little past the change: a timer that fires a hair early would otherwise
// draw the old text again.
constexpr long long kLateByMs = 15;
// 1970-01-01 in FILETIME's 100 ns units since 1601-01-01.
constexpr long long kUnixEpochIn100ns = 116444736000000000LL;

static long long MillisecondsOf(const FILETIME& time)
{
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return (static_cast<long long>(value.QuadPart) - kUnixEpochIn100ns) / 10000;
}

static FILETIME FileTimeOf(long long milliseconds)
{
    ULARGE_INTEGER value;
    value.QuadPart = static_cast<ULONGLONG>(milliseconds * 10000 + kUnixEpochIn100ns);
    return {value.LowPart, value.HighPart};
}

// The offset of the system's time zone at an instant, by the zone's rules
// for that date (not today's bias), so the day after a daylight-saving
// change is counted right.
static int LocalOffsetMinutesAt(long long utcMilliseconds)
{
    FILETIME utcFile = FileTimeOf(utcMilliseconds);
    SYSTEMTIME utc, local;
    FILETIME localFile;
    if (!FileTimeToSystemTime(&utcFile, &utc) || !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local) ||
        !SystemTimeToFileTime(&local, &localFile)) {
        return 0;
    }
    return static_cast<int>((MillisecondsOf(localFile) - MillisecondsOf(utcFile)) / 60000);
}

UINT NextWakeDelay(const ClockModel& model, bool tooltipShown)
{
    const ClockSettings& settings = model.Settings();
    FormatPace pace = PaceOf(settings.clockFormatString, model.Locale());
    if (tooltipShown) {
        pace = Finer(pace, PaceOf(TooltipFormat(settings), model.Locale()));
    }
    if (WantsMonitorLines(settings)) {
        pace = Finer(pace, {ClockUnit::Second, false});
    }
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    long long delay = MillisecondsToNextChange(pace, MillisecondsOf(now), LocalOffsetMinutesAt);
    return static_cast<UINT>(std::min<long long>(delay + kLateByMs, USER_TIMER_MAXIMUM));
}

void SetWakeTimer(HWND window, UINT_PTR id, UINT delayMs)
{
    // A tenth of the wait, and at most 32 ms on a wait of about a second;
    // longer waits (minutes, days) may slip by up to half a second.
    constexpr UINT kAboutASecond = 1000 + 2 * kLateByMs;
    ULONG tolerance = std::min<ULONG>(delayMs / 10, delayMs <= kAboutASecond ? 32 : 500);
    SetTolerantTimer(window, id, delayMs, tolerance);
}
