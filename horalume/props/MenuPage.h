// The Menu page: the clock's single and double click actions and the options
// of its right-click menu, Booth mode among them. The page is made by
// MakeMenuPage (Pages.h).
#pragma once

#include "horalume/props/Pages.h"

// While Booth mode is ticked the banner box is grey and shown off; otherwise
// it shows FancyBanner. Never changes FancyBanner.
void UpdateBannerState(HWND page, const ClockSettings& settings);
