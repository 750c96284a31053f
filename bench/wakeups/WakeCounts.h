// What the wake-up hook counts inside the shell, in a block of memory shared
// under a name with the tool that reads it.
#pragma once

#include <windows.h>

constexpr char kWakeCountsName[] = "HoraWakeCounts";

struct WakeCounts {
    LONG timers;      // every WM_TIMER the hooked thread took from its queue
    LONG clockTimers; // those of the clock's tick timer
    LONG clockPaints; // WM_PAINTs of the clock's surfaces (shell clocks and overlays)
};
