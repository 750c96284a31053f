// The format-element picker: a popup menu of format codes and sample formats
// that edits a format box at its caret. Its greying (OnFormatMenuInit) is
// declared with the pages.
#pragma once

#include "Pages.h"

// Shows the popup; tests put their own in place to choose an item.
extern BOOL(WINAPI* g_trackFormatMenu)(HMENU, UINT, int, int, HWND, LPTPMPARAMS);

// Opens the picker at the mouse cursor and edits the page's format box.
void ShowFormatMenu(HWND page, HINSTANCE instance, int formatBox);
