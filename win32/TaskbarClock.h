// The taskbar clock: "Shell_TrayWnd" > "TrayNotifyWnd" > "TrayClockWClass".
#pragma once

#include <windows.h>

struct TaskbarClock {
    HWND tray = nullptr;
    HWND notify = nullptr;
    HWND clock = nullptr; // null when no taskbar has a clock
};

// The first taskbar that has both the notification area and the clock. With
// a thread id, only taskbars of that thread count (the shell may run several).
TaskbarClock FindTaskbarClock(DWORD thread = 0);

// The notification area and the clock of one taskbar window; either may be
// null.
TaskbarClock ClockOfTaskbar(HWND tray);
