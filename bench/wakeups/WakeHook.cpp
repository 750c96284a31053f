// wakehook.dll: loaded into the shell's GUI thread by a WH_GETMESSAGE hook,
// counts the timer messages that thread takes from its queue.
#include "ClockIds.h"
#include "WakeCounts.h"

static WakeCounts* counts = nullptr;
static HANDLE mapping = nullptr;

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
    if (code == HC_ACTION && wParam == PM_REMOVE && message->message == WM_TIMER) {
        if (WakeCounts* shared = Counts()) {
            InterlockedIncrement(&shared->timers);
            if (message->wParam == kTickTimer) {
                InterlockedIncrement(&shared->clockTimers);
            }
        }
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
