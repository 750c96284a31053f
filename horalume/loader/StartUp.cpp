#include "StartUp.h"

#include "ClockHook.h"
#include "CommandLine.h"
#include "HoralumeResources.h"
#include "LoaderMessages.h"
#include "LoaderState.h"
#include "PropertiesSheet.h"
#include "SheetPosition.h"
#include "Win32Handles.h"

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
static bool InstallWhenMissing(LoaderState& state)
{
    if (!HookClock(state, true)) {
        return false;
    }
    FindClockWindow(state);       // an overlay the component put up is the clock now
    if (state.session.Reload()) { // "ShowProperties" 0: a silent start
        state.session.Push();
        return false;
    }
    return true;
}

static bool RemoveComponent(const LoaderState& state)
{
    return HookClock(state, false);
}

static void RunAsOnlyCopy(LoaderState& state, bool uninstall)
{
    state.isNT = IsWindowsNT();
    if (!FindClockWindow(state)) {
        ShowLoaderMessage(state.instance, nullptr, IDS_NO_CLOCK, IDS_HORALUME, MB_ICONERROR);
        return;
    }
    if (state.session.clockWindow != nullptr && !IsWindowVisible(state.session.clockWindow) &&
        ShowLoaderMessage(state.instance, nullptr, IDS_CLOCK_HIDDEN, IDS_HORALUME, MB_ICONWARNING | MB_OKCANCEL) ==
            IDCANCEL) {
        return;
    }
    if (IsComponentInstalled()) {
        if (uninstall) {
            RemoveComponent(state);
            return;
        }
    } else if (uninstall || !InstallWhenMissing(state)) {
        return;
    }
    state.rsrc32Available = ProbeResourceMeter();
    state.removeComponent = RemoveComponent;
    PropertiesSheet sheet(state);
    HWND window = sheet.Open();
    if (window != nullptr) {
        RunSheetMessageLoop(window);
    }
}

int RunHoralume(HINSTANCE instance, int argc, char** argv)
{
    LoaderState state;
    state.instance = instance;
    UniqueHandle running(CreateMutexA(nullptr, TRUE, "HoralumeRunning"));
    if (running && GetLastError() == ERROR_ALREADY_EXISTS) {
        ShowRunningSheet(instance);
    } else {
        RunAsOnlyCopy(state, WantsUninstall(argc, argv));
    }
    return 0;
}
