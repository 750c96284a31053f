#include "ClockHook.h"

#include "HookApi.h"
#include "HoralumeResources.h"
#include "InstallWait.h"
#include "LoaderMessages.h"
#include "LoaderState.h"
#include "RegKey.h"
#include "SettingsStore.h"
#include "TaskbarClock.h"
#include "Win32Handles.h"

bool FindClockWindow()
{
    const TaskbarClock found = FindTaskbarClock();
    if (found.clock == nullptr) {
        return false;
    }
    g_loader.trayWindow = found.tray;
    g_loader.notifyWindow = found.notify;
    g_loader.clockWindow = found.clock;
    return true;
}

bool IsComponentInstalled()
{
    UniqueHandle installed(OpenMutexA(MUTEX_ALL_ACCESS, FALSE, hookapi::kInstalledMutex));
    return static_cast<bool>(installed);
}

static std::int32_t ReadInstallTime()
{
    RegKeyReader settings;
    settings.Open(HKEY_CURRENT_USER, kHoralumeKey, kSettingsSubkey);
    return settings.ReadDword("InstallTime", kDefaultInstallTime);
}

static void WriteInstallTime(std::int32_t milliseconds)
{
    RegKeyWriter settings;
    settings.Create(HKEY_CURRENT_USER, kHoralumeKey, kSettingsSubkey);
    settings.WriteDword("InstallTime", milliseconds);
}

// Waits for the component's report; while installing, each time-out below the
// give-up total is followed by a warning and a longer stored waiting time.
static UINT AwaitCompletion(HANDLE completed, bool install)
{
    InstallWait wait(ReadInstallTime());
    for (;;) {
        if (WaitForSingleObject(completed, wait.WaitMs()) == WAIT_OBJECT_0) {
            Sleep(100); // lets the component finish before our copy of it goes
            return 0;
        }
        if (!install) {
            return IDS_UNLOAD_TIMEOUT;
        }
        if (wait.GivesUp()) {
            return IDS_LOAD_GAVE_UP;
        }
        ShowLoaderMessage(nullptr, IDS_LOAD_SLOW, IDS_CAPTION_INSTALL, MB_ICONWARNING);
        wait.Lengthen();
        WriteInstallTime(wait.TotalMs());
    }
}

// The hand-shake itself; returns the failure's message, or 0. Every handle it
// obtains is released on return: hook first, then event, then library.
static UINT RunHandshake(bool install)
{
    UniqueLibrary library(LoadLibraryA(hookapi::kLibraryName));
    if (!library) {
        return IDS_NO_LIBRARY;
    }
    auto procedure = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(
        GetProcAddress(library.Get(), install ? hookapi::kHookProcName : hookapi::kUnhookProcName)));
    if (procedure == nullptr) {
        return IDS_NO_HOOK_FUNCTION;
    }
    const DWORD clockThread = GetWindowThreadProcessId(g_loader.clockWindow, nullptr);
    if (clockThread == 0) {
        return IDS_NO_EXPLORER;
    }
    UniqueHandle completed(CreateEventA(nullptr, TRUE, FALSE, hookapi::kHookCompleteEvent));
    if (!completed) {
        return IDS_INTERNAL_ERROR;
    }
    UniqueHook hook(SetWindowsHookExA(WH_CALLWNDPROC, procedure, library.Get(), clockThread));
    if (!hook) {
        return IDS_CANNOT_HOOK;
    }
    // The taskbar and its clock share the shell's thread, so the hook runs there.
    SendMessageA(g_loader.trayWindow, WM_WININICHANGE, 0, 0);
    return AwaitCompletion(completed.Get(), install);
}

bool HookClock(bool install)
{
    const UINT failure = RunHandshake(install);
    if (failure != 0) {
        ShowLoaderMessage(nullptr, failure, install ? IDS_CAPTION_INSTALL : IDS_CAPTION_REMOVE, MB_ICONERROR);
    }
    return failure == 0;
}
