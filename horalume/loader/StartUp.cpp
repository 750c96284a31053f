#include "horalume/loader/StartUp.h"

#include "horalume/loader/CommandLine.h"
#include "horalume/loader/InstallHandshake.h"
#include "horalume/props/PropertiesSheet.h"
#include "horalume/settings/SheetPosition.h"
#include "horalume/settings/SheetState.h"
#include "resources/horalume/HoralumeResources.h"
#include "win32/TableMessages.h"
#include "win32/TaskbarClock.h"
#include "win32/Win32Handles.h"

#include <prsht.h>

bool IsWindowsNT()
{
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    static_assert(sizeof(OSVERSIONINFOA) == 148, "the classic version structure");
    return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

// Another copy runs: bring its sheet, if it shows one, to the front.
static void ShowRunningSheet(HINSTANCE instance)
{
    char caption[256] = "";
    LoadStringA(instance, IDS_PROPERTIES_CAPTION, caption, sizeof caption);
    HWND sheet = FindWindowA("#32770", caption);
    if (sheet != nullptr) {
        SetForegroundWindow(sheet);
    }
}

// The resource meter library of Windows 9x is only probed for here.
static bool ProbeResourceMeter()
{
    UniqueLibrary library(LoadLibraryW(L"RSRC32.DLL"));
    return static_cast<bool>(library);
}

// Runs until the sheet closes; then saves its position once and ends the loop.
static void RunSheetMessageLoop(HWND sheet)
{
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (sheet != nullptr && PropSheet_GetCurrentPageHwnd(sheet) == nullptr) {
            SaveSheetPosition(sheet);
            DestroyWindow(sheet);
            sheet = nullptr;
            PostQuitMessage(0);
        }
        if (sheet != nullptr && PropSheet_IsDialogMessage(sheet, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Installs the component when it is missing; false when the run ends here.
// An overlay the component put up is the clock afterwards.
static bool InstallWhenMissing(HINSTANCE instance, TaskbarClock& clock)
{
    if (!InstallComponent(instance, clock)) {
        return false;
    }
    clock = FindLoaderClock();
    SettingsSession session;
    session.clockWindow = clock.clock;
    if (session.Reload()) { // "ShowProperties" 0: a silent start
        session.Push();
        return false;
    }
    return true;
}

static void OpenSheet(HINSTANCE instance, const TaskbarClock& clock)
{
    SheetState state;
    state.instance = instance;
    state.session.clockWindow = clock.clock;
    state.system.isNT = IsWindowsNT();
    state.system.rsrc32Available = ProbeResourceMeter();
    state.removeComponent = [instance, clock] { return RemoveComponent(instance, clock); };
    PropertiesSheet sheet(state);
    HWND window = sheet.Open();
    if (window != nullptr) {
        RunSheetMessageLoop(window);
    }
}

static void RunAsOnlyCopy(HINSTANCE instance, bool uninstall)
{
    TaskbarClock clock = FindLoaderClock();
    if (clock.tray == nullptr) {
        ShowTableMessage(instance, nullptr, IDS_NO_CLOCK, IDS_HORALUME, MB_ICONERROR);
        return;
    }
    if (clock.clock != nullptr && !IsWindowVisible(clock.clock) &&
        ShowTableMessage(instance, nullptr, IDS_CLOCK_HIDDEN, IDS_HORALUME, MB_ICONWARNING | MB_OKCANCEL) == IDCANCEL) {
        return;
    }
    if (IsComponentInstalled()) {
        if (uninstall) {
            RemoveComponent(instance, clock);
            return;
        }
    } else if (uninstall || !InstallWhenMissing(instance, clock)) {
        return;
    }
    OpenSheet(instance, clock);
}

int RunHoralume(HINSTANCE instance, int argc, char** argv)
{
    UniqueHandle running(CreateMutexA(nullptr, TRUE, "HoralumeRunning"));
    if (running && GetLastError() == ERROR_ALREADY_EXISTS) {
        ShowRunningSheet(instance);
    } else {
        RunAsOnlyCopy(instance, WantsUninstall(argc, argv));
    }
    return 0;
}
