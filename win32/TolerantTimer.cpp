#include "win32/TolerantTimer.h"

using SetCoalescableTimerProc = UINT_PTR(WINAPI*)(HWND, UINT_PTR, UINT, TIMERPROC, ULONG);

static SetCoalescableTimerProc CoalescableTimerOfSystem()
{
    static const SetCoalescableTimerProc proc = [] {
        HMODULE user32 = GetModuleHandleA("user32.dll");
        FARPROC found = user32 != nullptr ? GetProcAddress(user32, "SetCoalescableTimer") : nullptr;
        return reinterpret_cast<SetCoalescableTimerProc>(reinterpret_cast<void*>(found));
    }();
    return proc;
}

bool SetTolerantTimer(HWND window, UINT_PTR id, UINT delayMs, ULONG toleranceMs)
{
    // A tolerance of 0 would ask for the system's default coalescing.
    SetCoalescableTimerProc coalescable = CoalescableTimerOfSystem();
    if (coalescable != nullptr && toleranceMs > 0) {
        return coalescable(window, id, delayMs, nullptr, toleranceMs) != 0;
    }
    return SetTimer(window, id, delayMs, nullptr) != 0;
}
