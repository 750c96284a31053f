#include "TaskbarClock.h"

#include "HookApi.h"

TaskbarClock ClockOfTaskbar(HWND tray)
{
    TaskbarClock parts;
    parts.tray = tray;
    parts.notify = tray ? FindWindowExA(tray, nullptr, hookapi::kNotifyWindowClass, nullptr) : nullptr;
    parts.clock = parts.notify ? FindWindowExA(parts.notify, nullptr, hookapi::kClockWindowClass, nullptr) : nullptr;
    return parts;
}

TaskbarClock FindTaskbarClock(DWORD thread)
{
    HWND tray = nullptr;
    while ((tray = FindWindowExA(nullptr, tray, hookapi::kTrayWindowClass, nullptr)) != nullptr) {
        if (thread != 0 && GetWindowThreadProcessId(tray, nullptr) != thread) {
            continue;
        }
        TaskbarClock parts = ClockOfTaskbar(tray);
        if (parts.clock != nullptr) {
            return parts;
        }
    }
    return TaskbarClock();
}
