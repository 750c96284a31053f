// The Tooltip / Copy page: the tooltip format and the copy-to-clipboard
// format. The page is made by MakeTooltipCopyPage (Pages.h).
#pragma once

#include "horalume/props/Pages.h"

// Enables the tooltip's box, button and check box exactly while CustomTooltip is set.
void UpdateTooltipState(HWND page, const ClockSettings& settings);
// Shows in the copy box the format that copying uses, editable only for "Customize".
void UpdateCopyFormatState(HWND page, const ClockSettings& settings);
