#include "StartUp.h"

#include <prsht.h>

#include "ClockHook.h"
#include "CommandLine.h"
#include "HoralumeResources.h"
#include "LoaderMessages.h"
#include "LoaderState.h"
#include "PropertiesSheet.h"
#include "SettingsStore.h"
#include "SheetPosition.h"
#include "Win32Handles.h"

bool IsWindowsNT()
{
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    static_assert(sizeof(OSVERSIONINFOA) == 148, "the classic version structure");
    return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

// Another copy runs: bring its sheet, if it shows one, to the front.
static void ShowRunningSheet()
{
    char caption[256] = "";
    LoadStringA(g_loader.instance, IDS_PROPERTIES_CAPTION, caption, sizeof caption);
    HWND sheet = FindWindowA("#32770", caption);
    if (sheet != nullptr) {
        SetForegroundWindow(sheet);
    }
}

// The resource meter library of Windows 9x is only probed for here.
static void ProbeResourceMeter()
{
    HMODULE library = LoadLibraryA("RSRC32.DLL");
    if (library != nullptr) {
        g_loader.rsrc32Available = true;
        FreeLibrary(library);
    }
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
static bool InstallWhenMissing()
{
    if (!HookClock(true)) {
        return false;
    }
    if (LoadClockSettings(g_loader.settings)) { // "ShowProperties" 0: a silent start
        PushClockSettings();
        return false;
    }
    g_loader.autostart = ReadAutostart();
    ReadControlPanelState();
    return true;
}

static void RunAsOnlyCopy(bool uninstall)
{
    g_loader.isNT = IsWindowsNT();
    if (!FindClockWindow()) {
        ShowLoaderMessage(nullptr, IDS_NO_CLOCK, IDS_HORALUME, MB_ICONERROR);
        return;
    }
    if (!IsWindowVisible(g_loader.clockWindow) &&
        ShowLoaderMessage(nullptr, IDS_CLOCK_HIDDEN, IDS_HORALUME, MB_ICONWARNING | MB_OKCANCEL) == IDCANCEL) {
        return;
    }
    if (IsComponentInstalled()) {
        if (uninstall) {
            HookClock(false);
            return;
        }
    } else if (uninstall || !InstallWhenMissing()) {
        return;
    }
    ProbeResourceMeter();
    HWND sheet = OpenPropertiesSheet();
    if (sheet != nullptr) {
        RunSheetMessageLoop(sheet);
    }
}

static void DeleteSharedFonts()
{
    if (g_loader.formatEditFont != nullptr) {
        DeleteObject(g_loader.formatEditFont);
        g_loader.formatEditFont = nullptr;
    }
    if (g_loader.linkFont != nullptr) {
        DeleteObject(g_loader.linkFont);
        g_loader.linkFont = nullptr;
    }
}

int RunHoralume(HINSTANCE instance, int argc, char** argv)
{
    g_loader.instance = instance;
    UniqueHandle running(CreateMutexA(nullptr, TRUE, "HoralumeRunning"));
    if (running && GetLastError() == ERROR_ALREADY_EXISTS) {
        ShowRunningSheet();
    } else {
        RunAsOnlyCopy(WantsUninstall(argc, argv));
    }
    DeleteSharedFonts();
    return 0;
}
