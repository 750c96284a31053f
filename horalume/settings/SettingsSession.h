// One editing session of the clock settings: the working record, the clock
// window that previews it, and the program switches that OK writes with it.
#pragma once

#include "hookapi/ClockSettings.h"
#include "horalume/settings/SettingsStore.h"

#include <windows.h>

struct SettingsSession {
    // Record and switches as stored; true when "ShowProperties" is 0 (skip the sheet).
    bool Reload();
    // Writes record and switches to the registry; ERROR_SUCCESS or why not.
    LONG Save() const;
    // Sends the record to the clock, which shows it at once.
    void Push() const;

    ClockSettings record{};
    ProgramSwitches switches;
    HWND clockWindow = nullptr;
};
