// When the clock must next wake, and the timer that wakes it: the clock
// sleeps through the seconds, minutes or hours its texts do not show.
#pragma once

#include "clockhook/model/ClockModel.h"

#include <windows.h>

// Milliseconds from now until the clock's text can next change, landing a
// little past the change: its format's pace, the tooltip's format too while
// the tooltip shows, every second while a monitor line is on, and at the
// latest the next local midnight. Pokes and new settings redraw without it.
UINT NextWakeDelay(const ClockModel& model, bool tooltipShown);

// Sets, or resets, the window's timer id to that delay, with a tolerance
// that lets the system fire it with others but never shows a change a
// second late. The timer repeats: set it again on each WM_TIMER.
void SetWakeTimer(HWND window, UINT_PTR id, UINT delayMs);
