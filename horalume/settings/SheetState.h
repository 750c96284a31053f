// What the properties sheet and its page dialogs share for one run of the
// sheet. The pages themselves get only the parts they use (Pages.h).
#pragma once

#include "horalume/settings/SettingsSession.h"
#include "win32/Win32Handles.h"

#include <windows.h>

#include <commdlg.h>

#include <cstdint>
#include <functional>

// The system's choosers and popup menu as the pages show them; tests put
// their own in place.
struct PageChoosers {
    BOOL(WINAPI* chooseColour)(LPCHOOSECOLORA) = ChooseColorA;
    BOOL(WINAPI* chooseFont)(LPCHOOSEFONTA) = ChooseFontA;
    BOOL(WINAPI* trackMenu)(HMENU, UINT, int, int, HWND, LPTPMPARAMS) = TrackPopupMenuEx;
    COLORREF customColours[16] = {}; // shared by every colour chooser of the run, never saved
};

// The system the sheet runs on, as the start-up found it.
struct SystemTraits {
    bool isNT = false;
    bool rsrc32Available = false;
};

// Variants of the dialog font, made by the first page that opens.
struct PageFonts {
    UniqueFont formatEdit; // monospaced, for the format edit boxes
    UniqueFont link;       // underlined, for the About page's links
};

struct SheetState {
    HINSTANCE instance = nullptr; // the sheet's resources
    SettingsSession session;      // the record and the clock window it is pushed to
    SystemTraits system;
    PageFonts fonts;
    PageChoosers choosers;
    // Takes the clock component out of the taskbar (the Advanced page's Exit);
    // shows its own message on failure.
    std::function<bool()> removeComponent;
    std::uint32_t lastPage = 0;
    bool okDone = false;
    bool cancelDone = false;
};
