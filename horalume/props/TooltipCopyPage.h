// The Tooltip / Copy page: the tooltip format and the copy-to-clipboard format.
#pragma once

#include <windows.h>

void InitTooltipCopyPage(HWND page);
// Enables the tooltip's box, button and check box exactly while CustomTooltip is set.
void UpdateTooltipState(HWND page);
// Shows in the copy box the format that copying uses, editable only for "Customize".
void UpdateCopyFormatState(HWND page);
// WM_COMMAND of the page's controls (clicks and EN_CHANGE); false when the
// control or its notification has no handler here.
bool OnTooltipCopyPageCommand(HWND page, int control, int code);
