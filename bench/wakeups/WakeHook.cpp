// wakehook.dll: loaded into the shell's GUI thread by a WH_GETMESSAGE hook,
// counts the timer and clock paint messages that thread takes from its queue.
#include "clockhook/model/ClockIds.h"
#include "hookapi/HookApi.h"

#include "bench/wakeups/WakeCounts.h"
#include <cstring>

static WakeCounts* counts = nullptr;
static HANDLE mapping = nullptr;

static bool IsClockSurface(HWND window)
{
    char name[64];
    return GetClassNameA(window, name, sizeof name) > 0 &&
           (std::strcmp(name, "TrayClockWClass") == 0 || std::strcmp(name, hookapi::kOverlayClockClass) == 0);
}

static WakeCounts* Counts()
{
    if (counts == nullptr) {
        mapping = OpenFileMappingA(FILE_MAP_WRITE, FALSE, kWakeCountsName);
        if (mapping != nullptr) {
            counts = static_cast<WakeCounts*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(WakeCounts)));
        }
    }
    return counts;
}

extern "C" __declspec(dllexport) LRESULT CALLBACK CountTimers(int code, WPARAM wParam, LPARAM lParam)
{
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    WakeCounts* shared = code == HC_ACTION && wParam == PM_REMOVE ? Counts() : nullptr;
    if (shared != nullptr && message->message == WM_TIMER) {
        InterlockedIncrement(&shared->timers);
        if (message->wParam == kTickTimer) {
            InterlockedIncrement(&shared->clockTimers);
        }
    }
    if (shared != nullptr && message->message == WM_PAINT && IsClockSurface(message->hwnd)) {
        InterlockedIncrement(&shared->clockPaints);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_DETACH && counts != nullptr) {
        UnmapViewOfFile(counts);
        CloseHandle(mapping);
    }
    return TRUE;
}
