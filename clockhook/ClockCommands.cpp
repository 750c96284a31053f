#include "clockhook/ClockCommands.h"

#include "clockhook/ClockCopy.h"
#include "clockhook/model/ClockChoices.h"
#include "clockhook/model/ClockIds.h"
#include "win32/ModuleOf.h"
#include "win32/StartProgram.h"
#include "win32/WidePath.h"

#include <string>

// Horalume.exe from the component's own directory; when the component is
// already installed, starting it opens the properties sheet.
static void StartProperties()
{
    const std::wstring modulePath = ModulePath(ThisModule());
    if (modulePath.empty()) {
        return;
    }
    const std::wstring program = SiblingPath(modulePath, kPropertiesProgram);
    const std::wstring directory = SiblingPath(modulePath, L"");
    const std::wstring commandLine = L"\"" + program + L"\"";
    DWORD process = StartProgram(program.c_str(), commandLine.c_str(), directory.c_str());
    if (process != 0) {
        AllowSetForegroundWindow(process); // the sheet may come up in front of the taskbar
    } else {
        MessageBeep(MB_ICONEXCLAMATION);
    }
}

bool RunClockCommand(HWND clock, const ClockModel& model, CalendarWindow& calendar, std::uint32_t command)
{
    switch (command) {
    case ClockCommand::DoNothing:
        return true;
    case ClockCommand::Properties:
        StartProperties();
        return true;
    case ClockCommand::Calendar:
        calendar.Show(clock, model.Settings());
        return true;
    case ClockCommand::Copy:
        CopyClockText(clock, model);
        return true;
    }
    return false;
}

bool IsClockMenuCommand(UINT id)
{
    return id == ClockCommand::Properties || id == ClockCommand::Calendar || id == ClockCommand::Copy;
}

void ClockHotkey::Update(HWND clock, std::uint32_t hotkeyCommand)
{
    bool wanted = IsClockMenuCommand(hotkeyCommand);
    if (registered_ && (!wanted || clock != clock_)) {
        UnregisterHotKey(clock_, kHotkeyId);
        registered_ = false;
    }
    if (wanted && !registered_) {
        registered_ = RegisterHotKey(clock, kHotkeyId, MOD_WIN | MOD_ALT, 'C') != 0;
    }
    clock_ = clock;
}

bool OnClockHotkey(HWND clock, const ClockModel& model, CalendarWindow& calendar, WPARAM id)
{
    if (id != kHotkeyId) {
        return false;
    }
    RunClockCommand(clock, model, calendar, model.Settings().hotkeyCommand);
    return true;
}
