// The Clock page: clock format, fixed width, colours and font.
#pragma once

#include <windows.h>

void InitClockPage(HWND page);
// Enables the width box exactly while FixedWidthOn is set.
void UpdateFixedWidthState(HWND page);
// Shows the font the clock uses: the custom one or the system menu font.
void DescribeClockFont(HWND page);
// WM_COMMAND of the page's controls (clicks and EN_CHANGE); false when the
// control or its notification has no handler here.
bool OnClockPageCommand(HWND page, int control, int code);
