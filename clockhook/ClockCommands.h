// The clock's commands (the identifiers of ClickCommand, DblClickCommand and
// HotkeyCommand, which are also its menu items) and its hot key.
#pragma once

#include "clockhook/CalendarWindow.h"
#include "clockhook/model/ClockModel.h"

#include <windows.h>

#include <cstdint>

// Carries out the command on the clock window. Returns false for "Windows
// default" (0) and for any identifier it does not know, which the page also
// shows as "Windows default": the caller then lets the plain clock handle
// the message.
bool RunClockCommand(HWND clock, const ClockModel& model, CalendarWindow& calendar, std::uint32_t command);

// Whether the identifier is one of the clock's own menu items.
bool IsClockMenuCommand(UINT id);

// The hot key (Win+Alt+C), registered on one clock window while
// HotkeyCommand is one of the clock's own commands, and released otherwise.
class ClockHotkey {
public:
    void Update(HWND clock, std::uint32_t hotkeyCommand);
    void Release() { Update(clock_, ClockCommand::DoNothing); }

private:
    HWND clock_ = nullptr; // where it is registered
    bool registered_ = false;
};

// Handles WM_HOTKEY; returns whether it was the clock's hot key.
bool OnClockHotkey(HWND clock, const ClockModel& model, CalendarWindow& calendar, WPARAM id);
