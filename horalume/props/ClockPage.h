// The Clock page: clock format, fixed width, colours and font. Its
// initialisation and command handler are declared with the other pages'.
#pragma once

#include "Pages.h"

// Enables the width box exactly while FixedWidthOn is set.
void UpdateFixedWidthState(HWND page, const ClockSettings& settings);
// Shows the font the clock uses: the custom one or the system menu font.
void DescribeClockFont(HWND page, const SettingsSession& session);
