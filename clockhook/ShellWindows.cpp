#include "clockhook/ShellWindows.h"

#include "hookapi/HookApi.h"
#include "win32/TaskbarClock.h"

bool IsPrimaryTaskbar(HWND taskbar)
{
    return HasClassOf(taskbar, {hookapi::kTrayWindowClass});
}

HWND PrimaryTaskbarOfThisThread()
{
    for (HWND taskbar : FindTaskbars(GetCurrentThreadId())) {
        if (IsPrimaryTaskbar(taskbar) && (ShellClockOfTaskbar(taskbar) != nullptr || ClockBridgeOfTaskbar(taskbar))) {
            return taskbar;
        }
    }
    return nullptr;
}

bool HasClassOf(HWND window, std::initializer_list<const char*> classes)
{
    char windowClass[64] = "";
    GetClassNameA(window, windowClass, sizeof windowClass);
    for (const char* candidate : classes) {
        if (lstrcmpA(windowClass, candidate) == 0) {
            return true;
        }
    }
    return false;
}

HWINEVENTHOOK HookShellWindowEvent(DWORD event, WINEVENTPROC callback)
{
    return SetWinEventHook(event, event, nullptr, callback, GetCurrentProcessId(), GetCurrentThreadId(),
                           WINEVENT_OUTOFCONTEXT);
}
