// The clock's next wake against the system's own local time.
#include "clockhook/WakeTimer.h"
#include "clockhook/MonitorLines.h"
#include "hookapi/ClockDefaults.h"
#include "hookapi/HookApi.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

// The wake for a clock showing the format, with the given flags added.
UINT WakeFor(const char* format, std::uint32_t flags, bool tooltipShown)
{
    ClockSettings settings = DefaultClockSettings();
    std::strncpy(settings.clockFormatString, format, sizeof settings.clockFormatString - 1);
    settings.displayFlags |= flags;
    ClockModel model;
    model.AcceptRecord(hookapi::kSettingsCopyDataId, &settings, sizeof settings);
    return NextWakeDelay(model, tooltipShown);
}

TEST(WakeTimerTest, SleepsUntilTheShownTextCanChange)
{
    SYSTEMTIME local;
    GetLocalTime(&local);
    long long untilMidnight =
        86400000LL - (((local.wHour * 60LL + local.wMinute) * 60 + local.wSecond) * 1000 + local.wMilliseconds);
    // A date alone, or no time at all, wakes at local midnight.
    EXPECT_NEAR(static_cast<double>(WakeFor("ddd d MMM", 0, false)), static_cast<double>(untilMidnight), 200.0);
    EXPECT_NEAR(static_cast<double>(WakeFor("%X%", 0, false)), static_cast<double>(untilMidnight), 200.0);
    EXPECT_LE(WakeFor("HH:mm", 0, false), 60015u);
    // The default tooltip shows seconds; so do the monitor lines.
    EXPECT_LE(WakeFor("ddd d MMM", 0, true), 1015u);
    EXPECT_LE(WakeFor("HH:mm", DisplayFlag::CpuMonitor | DisplayFlag::CpuUsageLine, false), 1015u);
    EXPECT_LE(WakeFor("HH:mm", DisplayFlag::MemoryLoadLine, false), 1015u);
}

} // namespace
