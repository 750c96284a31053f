// Horalume's process-wide state: one object for the whole run.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ClockSettings.h"

struct LoaderState {
    HINSTANCE instance = nullptr;
    HWND trayWindow = nullptr;
    HWND notifyWindow = nullptr;
    HWND clockWindow = nullptr;
    HFONT formatEditFont = nullptr; // monospaced, for the format edit boxes
    HFONT linkFont = nullptr;       // underlined, for the About page's links
    bool rsrc32Available = false;
    bool isNT = false;
    bool autostart = false;
    bool appletPresent = false;
    bool appletEnabled = false;
    std::uint32_t lastPage = 0;
    bool okDone = false;
    bool cancelDone = false;
    ClockSettings settings{};
};

extern LoaderState g_loader;
