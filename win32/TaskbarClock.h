// The taskbars and their clocks. The classic clock is "Shell_TrayWnd" >
// "TrayNotifyWnd" > "TrayClockWClass"; a secondary taskbar of Windows 10 has
// a "ClockButton"; a taskbar of Windows 11 draws its clock inside a content
// bridge, over which the component puts an overlay clock of its own.
#pragma once

#include <windows.h>

#include <vector>

struct TaskbarClock {
    HWND tray = nullptr;
    HWND notify = nullptr;
    HWND clock = nullptr; // null when no taskbar has a clock
};

// The first taskbar that has both the notification area and the classic
// clock. With a thread id, only taskbars of that thread count (the shell may
// run several).
TaskbarClock FindTaskbarClock(DWORD thread = 0);

// The notification area and the classic clock of one taskbar window; either
// may be null.
TaskbarClock ClockOfTaskbar(HWND tray);

// The clock as the loader finds it: the first classic clock; without one
// anywhere, the first "Shell_TrayWnd" whose clock is drawn inside a content
// bridge (Windows 11), its clock window being the component's overlay (null
// until the component has put it up). All null when neither exists.
TaskbarClock FindLoaderClock();

// Every taskbar window: the "Shell_TrayWnd" windows first, then the
// secondary ones. With a thread id, only that thread's.
std::vector<HWND> FindTaskbars(DWORD thread = 0);

// The shell's clock window of one taskbar that the component extends: the
// classic clock, or a secondary taskbar's "ClockButton"; null when the
// taskbar has none.
HWND ShellClockOfTaskbar(HWND taskbar);

// The content bridge that holds a Windows 11 taskbar's clock: of the bridges
// in the taskbar or in its notification area, the one reaching furthest
// toward the bar's far end (right, or bottom on a vertical bar), where the
// notification area ends. Null when there is none.
HWND ClockBridgeOfTaskbar(HWND taskbar);

// The window that shows the clock on one taskbar: the component's overlay
// when the taskbar has one, otherwise the shell's clock window (or null).
HWND ClockSurfaceOfTaskbar(HWND taskbar);
