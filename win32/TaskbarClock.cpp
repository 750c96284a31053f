#include "TaskbarClock.h"

#include "HookApi.h"

TaskbarClock FindTaskbarClock(DWORD thread)
{
    TaskbarClock found;
    HWND tray = nullptr;
    while ((tray = FindWindowExA(nullptr, tray, hookapi::kTrayWindowClass, nullptr)) != nullptr) {
        if (thread != 0 && GetWindowThreadProcessId(tray, nullptr) != thread) {
            continue;
        }
        HWND notify = FindWindowExA(tray, nullptr, hookapi::kNotifyWindowClass, nullptr);
        HWND clock = notify ? FindWindowExA(notify, nullptr, hookapi::kClockWindowClass, nullptr) : nullptr;
        if (clock != nullptr) {
            found.tray = tray;
            found.notify = notify;
            found.clock = clock;
            break;
        }
    }
    return found;
}
