// Horalume's program state: one object for the whole run, made by the start-up
// and handed to the sheet and its pages.
#pragma once

#include "SettingsSession.h"
#include "Win32Handles.h"

#include <windows.h>

#include <commdlg.h>

#include <cstdint>

// The system's choosers and popup menu as the pages show them; tests put
// their own in place.
struct PageChoosers {
    BOOL(WINAPI* chooseColour)(LPCHOOSECOLORA) = ChooseColorA;
    BOOL(WINAPI* chooseFont)(LPCHOOSEFONTA) = ChooseFontA;
    BOOL(WINAPI* trackMenu)(HMENU, UINT, int, int, HWND, LPTPMPARAMS) = TrackPopupMenuEx;
    COLORREF customColours[16] = {}; // shared by every colour chooser of the run, never saved
};

struct LoaderState {
    HINSTANCE instance = nullptr;
    HWND trayWindow = nullptr;
    HWND notifyWindow = nullptr;
    UniqueFont formatEditFont; // monospaced, for the format edit boxes
    UniqueFont linkFont;       // underlined, for the About page's links
    bool rsrc32Available = false;
    bool isNT = false;
    std::uint32_t lastPage = 0;
    bool okDone = false;
    bool cancelDone = false;
    SettingsSession session; // the record and the clock window it is pushed to
    PageChoosers choosers;
    // Takes the clock component out of the taskbar (the Advanced page's Exit);
    // shows its own message on failure.
    bool (*removeComponent)(const LoaderState& state) = nullptr;
};
