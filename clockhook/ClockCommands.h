// The clock's commands (the identifiers of ClickCommand, DblClickCommand and
// HotkeyCommand, which are also its menu items) and its hot key.
#pragma once

#include <windows.h>

#include <cstdint>

// Carries out the command. Returns false for "Windows default" (0) and for
// any identifier it does not know, which the page also shows as "Windows
// default": the caller then lets the plain clock handle the message.
bool RunClockCommand(HWND clock, std::uint32_t command);

// Whether the identifier is one of the clock's own menu items.
bool IsClockMenuCommand(UINT id);

// The hot key (Win+Alt+C) is registered while HotkeyCommand is one of the
// clock's own commands, and released otherwise.
void UpdateClockHotkey(HWND clock, std::uint32_t hotkeyCommand);
// Handles WM_HOTKEY; returns whether it was the clock's hot key.
bool OnClockHotkey(HWND clock, WPARAM id);
