// The colour and font choosers shared by the pages, titled by the caller.
#pragma once

#include "hookapi/ClockSettings.h"
#include "horalume/settings/SheetState.h"

#include <windows.h>

#include <commdlg.h>

constexpr COLORREF kNoColour = static_cast<COLORREF>(-1);

// The chosen colour, or kNoColour when the user cancels. Every picker of the
// run shares the choosers' table of 16 custom colours.
COLORREF PickColour(PageChoosers& choosers, HWND owner, COLORREF initial, const char* title);

// True when the user pressed OK; font then holds the choice, otherwise it is
// left as it was. Screen fonts only, without effects.
bool PickFont(const PageChoosers& choosers, HWND owner, const char* title, LOGFONTA& font);
// The same on a font of the settings record, which holds a LOGFONTA.
bool PickFont(const PageChoosers& choosers, HWND owner, const char* title, FontRecord& font);
