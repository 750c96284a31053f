// The Clock page: clock format, fixed width, colours and font. The page is
// made by MakeClockPage (Pages.h).
#pragma once

#include "horalume/props/Pages.h"

// Enables the width box exactly while FixedWidthOn is set.
void UpdateFixedWidthState(HWND page, const ClockSettings& settings);
// Shows the font the clock uses: the custom one or the system menu font.
void DescribeClockFont(HWND page, const SettingsSession& session);
