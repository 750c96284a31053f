#include "horalume/loader/InstallHandshake.h"

#include "hookapi/HookApi.h"
#include "horalume/loader/InstallWait.h"
#include "horalume/settings/SettingsStore.h"
#include "resources/horalume/HoralumeResources.h"
#include "win32/RegKey.h"
#include "win32/TableMessages.h"
#include "win32/TaskbarClock.h"
#include "win32/Win32Handles.h"

// A shell that does not take the trigger within this time is taken for hung.
constexpr UINT kTriggerTimeoutMs = 5000;

static bool InstalledMutexExists(DWORD access)
{
    UniqueHandle installed(OpenMutexA(access, FALSE, hookapi::kInstalledMutex));
    return static_cast<bool>(installed);
}

bool IsComponentInstalled()
{
    return InstalledMutexExists(MUTEX_ALL_ACCESS);
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

// Waits for the component's report; returns the failure's message, or 0.
static UINT AwaitCompletion(HINSTANCE instance, HANDLE completed, bool install)
{
    const WaitSteps steps{
        [completed](std::uint32_t milliseconds) {
            return WaitForSingleObject(completed, milliseconds) == WAIT_OBJECT_0;
        },
        [instance] { ShowTableMessage(instance, nullptr, IDS_LOAD_SLOW, IDS_CAPTION_INSTALL, MB_ICONWARNING); },
        WriteInstallTime,
    };
    switch (AwaitComponent(ReadInstallTime(), install, steps)) {
    case WaitOutcome::Reported:
        Sleep(100); // lets the component finish before our copy of it goes
        return 0;
    case WaitOutcome::TimedOut:
        return IDS_UNLOAD_TIMEOUT;
    default:
        return IDS_LOAD_GAVE_UP;
    }
}

// The hand-shake itself; returns the failure's message, or 0. Every handle it
// obtains is released on return: hook first, then event, then library.
static UINT ExchangeWithComponent(HINSTANCE instance, const TaskbarClock& target, bool install)
{
    UniqueLibrary library(LoadLibraryW(hookapi::kLibraryName));
    if (!library) {
        return IDS_NO_LIBRARY;
    }
    auto procedure = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(
        GetProcAddress(library.Get(), install ? hookapi::kHookProcName : hookapi::kUnhookProcName)));
    if (procedure == nullptr) {
        return IDS_NO_HOOK_FUNCTION;
    }
    // Where the taskbar has no clock window yet, the taskbar's thread is the clock's.
    HWND clock = target.clock != nullptr ? target.clock : target.tray;
    const DWORD clockThread = GetWindowThreadProcessId(clock, nullptr);
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
    // The taskbar and its clock share the shell's thread, so the hook runs
    // there. A hung shell would hold us for good: that counts as a request
    // that did not complete.
    DWORD_PTR answer = 0;
    if (SendMessageTimeoutA(target.tray, WM_WININICHANGE, 0, 0, SMTO_ABORTIFHUNG, kTriggerTimeoutMs, &answer) == 0) {
        return install ? IDS_CANNOT_HOOK : IDS_UNLOAD_TIMEOUT;
    }
    return AwaitCompletion(instance, completed.Get(), install);
}

static bool RunHandshake(HINSTANCE instance, const TaskbarClock& clock, bool install)
{
    UINT failure = ExchangeWithComponent(instance, clock, install);
    // A component that cannot install undoes itself and still reports; only
    // its mutex tells that it stayed.
    if (failure == 0 && install && !InstalledMutexExists(SYNCHRONIZE)) {
        failure = IDS_CANNOT_HOOK;
    }
    if (failure != 0) {
        ShowTableMessage(instance, nullptr, failure, install ? IDS_CAPTION_INSTALL : IDS_CAPTION_REMOVE, MB_ICONERROR);
    }
    return failure == 0;
}

bool InstallComponent(HINSTANCE instance, const TaskbarClock& clock)
{
    return RunHandshake(instance, clock, true);
}

bool RemoveComponent(HINSTANCE instance, const TaskbarClock& clock)
{
    return RunHandshake(instance, clock, false);
}
