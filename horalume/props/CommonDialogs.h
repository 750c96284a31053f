// The colour and font choosers shared by the pages, titled by the caller.
#pragma once

#include "ClockSettings.h"

#include <windows.h>

#include <commdlg.h>

// The functions that show the system dialogs; tests put their own in place.
extern BOOL(WINAPI* g_chooseColour)(LPCHOOSECOLORA);
extern BOOL(WINAPI* g_chooseFont)(LPCHOOSEFONTA);

constexpr COLORREF kNoColour = static_cast<COLORREF>(-1);

// The chosen colour, or kNoColour when the user cancels. Every picker of the
// run shares one table of 16 custom colours.
COLORREF PickColour(HWND owner, COLORREF initial, const char* title);

// True when the user pressed OK; font then holds the choice, otherwise it is
// left as it was. Screen fonts only, without effects.
bool PickFont(HWND owner, const char* title, LOGFONTA& font);
// The same on a font of the settings record, which holds a LOGFONTA.
bool PickFont(HWND owner, const char* title, FontRecord& font);
