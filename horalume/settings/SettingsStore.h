// Horalume's settings in HKEY_CURRENT_USER and the record sent to the clock.
#pragma once

#include "hookapi/ClockSettings.h"

#include <windows.h>

#include <cstdint>

constexpr char kHoralumeKey[] = "Software\\Horalume";
constexpr char kSettingsSubkey[] = "Settings";
constexpr char kCalendarSubkey[] = "Calendar";
constexpr char kControlPanelSubkey[] = "Control Panel";
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kRunValue[] = "Horalume";

// The program's own switches, which OK writes beside the record and nothing pushes.
struct ProgramSwitches {
    bool autostart = false;
    bool appletPresent = false; // the Control Panel applet file exists
    bool appletEnabled = false;
};

// Fills settings from the registry; true when "ShowProperties" is 0 (skip the sheet).
bool LoadClockSettings(ClockSettings& settings);
// Writes the record and the autostart and applet switches; ERROR_SUCCESS, or
// the system error of the first write that failed (the others are still tried).
LONG SaveClockSettings(const ClockSettings& settings, const ProgramSwitches& switches);
// Sends the record to the clock (WM_COPYDATA, 536 bytes, dwData 0).
void PushClockSettings(HWND clockWindow, const ClockSettings& settings);
bool ReadAutostart();
// Sets appletPresent and appletEnabled.
void ReadControlPanelState(ProgramSwitches& switches);
std::uint32_t ReadLastPage();
void WriteLastPage(std::uint32_t page);
