// wakecount.exe <seconds>: hooks the taskbar clock's thread with wakehook.dll
// (beside this program) for that long and prints the timer messages it
// took and the clock surfaces' paints, per minute:
// "timers <n>/min clock <n>/min paints <n>/min".
#include "bench/wakeups/WakeCounts.h"
#include "win32/TaskbarClock.h"
#include "win32/Win32Handles.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

static std::string HookPath()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of("\\/") + 1) + "wakehook.dll";
}

int main(int argc, char** argv)
{
    int seconds = argc == 2 ? std::atoi(argv[1]) : 0;
    if (seconds <= 0) {
        std::fprintf(stderr, "usage: wakecount <seconds>\n");
        return 2;
    }
    // A taskbar just started may not show its clock yet; a Windows 11 one
    // has no clock window, so its own window names the thread.
    HWND clock = nullptr;
    for (int tries = 0; tries < 100 && clock == nullptr; ++tries) {
        const std::vector<HWND> taskbars = FindTaskbars();
        clock = FindTaskbarClock().clock;
        clock = clock == nullptr && !taskbars.empty() ? taskbars.front() : clock;
        if (clock == nullptr) {
            Sleep(100);
        }
    }
    HANDLE mapping =
        CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(WakeCounts), kWakeCountsName);
    auto* counts = mapping ? static_cast<WakeCounts*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 0)) : nullptr;
    HMODULE hook = LoadLibraryA(HookPath().c_str());
    FARPROC proc = hook ? GetProcAddress(hook, "CountTimers") : nullptr;
    if (clock == nullptr || counts == nullptr || proc == nullptr) {
        std::fprintf(stderr, "wakecount: %s\n",
                     clock == nullptr ? "no taskbar clock" : (counts == nullptr ? "no shared counts" : "no hook"));
        return 1;
    }
    DWORD thread = GetWindowThreadProcessId(clock, nullptr);
    UniqueHook installed(
        SetWindowsHookExA(WH_GETMESSAGE, reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(proc)), hook, thread));
    if (!installed) {
        std::fprintf(stderr, "wakecount: the hook was refused\n");
        return 1;
    }
    // The hook loads into the shell at its next message; count from then on.
    PostMessageA(clock, WM_NULL, 0, 0);
    Sleep(500);
    InterlockedExchange(&counts->timers, 0);
    InterlockedExchange(&counts->clockTimers, 0);
    InterlockedExchange(&counts->clockPaints, 0);
    Sleep(static_cast<DWORD>(seconds) * 1000);
    LONG timers = InterlockedCompareExchange(&counts->timers, 0, 0);
    LONG clockTimers = InterlockedCompareExchange(&counts->clockTimers, 0, 0);
    LONG paints = InterlockedCompareExchange(&counts->clockPaints, 0, 0);
    installed.Reset();
    const double perMinute = 60.0 / seconds;
    std::printf("timers %.1f/min clock %.1f/min paints %.1f/min\n", timers * perMinute, clockTimers * perMinute,
                paints * perMinute);
    return 0;
}
