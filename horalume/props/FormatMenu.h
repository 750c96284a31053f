// The format-element picker: a popup menu of format codes and sample formats
// that edits a format box at its caret. Its greying (OnFormatMenuInit) is
// declared with the pages.
#pragma once

#include "horalume/props/Pages.h"

// Opens the picker at the mouse cursor and edits the page's format box.
void ShowFormatMenu(HWND page, HINSTANCE instance, const PageChoosers& choosers, int formatBox);
