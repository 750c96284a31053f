// The clock's copy command: the copy format rendered onto the clipboard.
#pragma once

#include "clockhook/model/ClockModel.h"

#include <windows.h>

// Puts the text of the copy format (its lines separated by CR LF) on the
// clipboard as CF_TEXT. An empty text leaves the clipboard alone. Returns
// whether the clipboard now holds the text.
bool CopyClockText(HWND clock, const ClockModel& model);
