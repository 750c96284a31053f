#include "win32/TaskbarClock.h"

#include "hookapi/HookApi.h"

TaskbarClock ClockOfTaskbar(HWND tray)
{
    TaskbarClock parts;
    parts.tray = tray;
    parts.notify = tray ? FindWindowExA(tray, nullptr, hookapi::kNotifyWindowClass, nullptr) : nullptr;
    parts.clock = parts.notify ? FindWindowExA(parts.notify, nullptr, hookapi::kClockWindowClass, nullptr) : nullptr;
    return parts;
}

static bool OwnedBy(HWND window, DWORD thread)
{
    return thread == 0 || GetWindowThreadProcessId(window, nullptr) == thread;
}

TaskbarClock FindTaskbarClock(DWORD thread)
{
    HWND tray = nullptr;
    while ((tray = FindWindowExA(nullptr, tray, hookapi::kTrayWindowClass, nullptr)) != nullptr) {
        if (!OwnedBy(tray, thread)) {
            continue;
        }
        TaskbarClock parts = ClockOfTaskbar(tray);
        if (parts.clock != nullptr) {
            return parts;
        }
    }
    return TaskbarClock();
}

std::vector<HWND> FindTaskbars(DWORD thread)
{
    std::vector<HWND> taskbars;
    for (const char* windowClass : {hookapi::kTrayWindowClass, hookapi::kSecondaryTrayWindowClass}) {
        HWND taskbar = nullptr;
        while ((taskbar = FindWindowExA(nullptr, taskbar, windowClass, nullptr)) != nullptr) {
            if (OwnedBy(taskbar, thread)) {
                taskbars.push_back(taskbar);
            }
        }
    }
    return taskbars;
}

HWND ShellClockOfTaskbar(HWND taskbar)
{
    HWND clock = ClockOfTaskbar(taskbar).clock;
    return clock != nullptr ? clock : FindWindowExA(taskbar, nullptr, hookapi::kClockButtonClass, nullptr);
}

// The bridge among the parent's children that reaches furthest toward the
// bar's far end, if it reaches further than the best one so far. Bridges on
// a horizontal bar share their bottom and on a vertical one their right
// edge, so the sum of the two measures how far each reaches.
static void TakeFarthestBridge(HWND parent, HWND& best, LONG& bestReach)
{
    HWND bridge = nullptr;
    while ((bridge = FindWindowExA(parent, bridge, hookapi::kContentBridgeClass, nullptr)) != nullptr) {
        RECT rect;
        if (GetWindowRect(bridge, &rect) && (best == nullptr || rect.right + rect.bottom >= bestReach)) {
            best = bridge;
            bestReach = rect.right + rect.bottom;
        }
    }
}

HWND ClockBridgeOfTaskbar(HWND taskbar)
{
    HWND best = nullptr;
    LONG bestReach = 0;
    TakeFarthestBridge(taskbar, best, bestReach);
    HWND notify = FindWindowExA(taskbar, nullptr, hookapi::kNotifyWindowClass, nullptr);
    if (notify != nullptr) {
        TakeFarthestBridge(notify, best, bestReach);
    }
    return best;
}

TaskbarClock FindLoaderClock()
{
    TaskbarClock found = FindTaskbarClock();
    if (found.clock != nullptr) {
        return found;
    }
    HWND tray = nullptr;
    while ((tray = FindWindowExA(nullptr, tray, hookapi::kTrayWindowClass, nullptr)) != nullptr) {
        if (ClockBridgeOfTaskbar(tray) != nullptr) {
            found = ClockOfTaskbar(tray);
            found.clock = FindWindowExA(tray, nullptr, hookapi::kOverlayClockClass, nullptr);
            break;
        }
    }
    return found;
}

HWND ClockSurfaceOfTaskbar(HWND taskbar)
{
    HWND overlay = FindWindowExA(taskbar, nullptr, hookapi::kOverlayClockClass, nullptr);
    return overlay != nullptr ? overlay : ShellClockOfTaskbar(taskbar);
}
