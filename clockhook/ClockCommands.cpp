#include "ClockCommands.h"

#include "CalendarWindow.h"
#include "ClockChoices.h"
#include "ClockCopy.h"
#include "ClockWindow.h"

#include <string>

constexpr int kHotkeyId = 0x484C;

static bool g_hotkeyRegistered = false;

static HMODULE OwnModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&RunClockCommand), &module);
    return module;
}

// Horalume.exe from the component's own directory; when the component is
// already installed, starting it opens the properties sheet.
static void StartProperties()
{
    char modulePath[MAX_PATH];
    DWORD length = GetModuleFileNameA(OwnModule(), modulePath, sizeof modulePath);
    if (length == 0 || length >= sizeof modulePath)
        return;
    std::string program = SiblingPath(modulePath, kPropertiesProgram);
    std::string directory = SiblingPath(modulePath, "");
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(),
                       &startup, &process)) {
        // The sheet may come up in front of the taskbar.
        AllowSetForegroundWindow(process.dwProcessId);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    } else {
        MessageBeep(MB_ICONEXCLAMATION);
    }
}

bool RunClockCommand(HWND clock, std::uint32_t command)
{
    switch (command) {
    case ClockCommand::DoNothing:
        return true;
    case ClockCommand::Properties:
        StartProperties();
        return true;
    case ClockCommand::Calendar:
        ShowCalendar(clock, CurrentClockSettings());
        return true;
    case ClockCommand::Copy:
        CopyClockText(clock, CurrentClockSettings());
        return true;
    }
    return false;
}

bool IsClockMenuCommand(UINT id)
{
    return id == ClockCommand::Properties || id == ClockCommand::Calendar || id == ClockCommand::Copy;
}

void UpdateClockHotkey(HWND clock, std::uint32_t hotkeyCommand)
{
    bool wanted = IsClockMenuCommand(hotkeyCommand);
    if (wanted && !g_hotkeyRegistered)
        g_hotkeyRegistered = RegisterHotKey(clock, kHotkeyId, MOD_WIN | MOD_ALT, 'C') != 0;
    else if (!wanted && g_hotkeyRegistered) {
        UnregisterHotKey(clock, kHotkeyId);
        g_hotkeyRegistered = false;
    }
}

bool OnClockHotkey(HWND clock, WPARAM id)
{
    if (id != kHotkeyId)
        return false;
    RunClockCommand(clock, CurrentClockSettings().hotkeyCommand);
    return true;
}
