// Horalume's settings in HKEY_CURRENT_USER and the record sent to the clock.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ClockSettings.h"

constexpr char kHoralumeKey[] = "Software\\Horalume";
constexpr char kSettingsSubkey[] = "Settings";
constexpr char kCalendarSubkey[] = "Calendar";
constexpr char kControlPanelSubkey[] = "Control Panel";
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kRunValue[] = "Horalume";

// Fills settings from the registry; true when "ShowProperties" is 0 (skip the sheet).
bool LoadClockSettings(ClockSettings& settings);
// Writes g_loader's record and its autostart and applet switches.
void SaveClockSettings();
// Sends g_loader's record to g_loader.clockWindow (WM_COPYDATA, 536 bytes, dwData 0).
void PushClockSettings();
bool ReadAutostart();
// Sets g_loader.appletPresent and g_loader.appletEnabled.
void ReadControlPanelState();
std::uint32_t ReadLastPage();
void WriteLastPage(std::uint32_t page);
