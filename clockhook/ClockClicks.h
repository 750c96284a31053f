// Single and double clicks on a clock surface. A single click waits the
// system's double-click time, so that it does not fire when it turns out to
// be the first half of a double click.
#pragma once

#include "clockhook/CalendarWindow.h"
#include "clockhook/model/ClockModel.h"

#include <windows.h>

class ClockClicks {
public:
    // Handles WM_LBUTTONDOWN, WM_LBUTTONUP and WM_LBUTTONDBLCLK. Returns
    // false when the message belongs to the plain clock (its command is
    // "Windows default"), which the caller then passes on.
    bool OnClick(HWND clock, const ClockModel& model, CalendarWindow& calendar, UINT message);
    // Handles the click timer; returns whether it was that timer.
    bool OnTimer(HWND clock, const ClockModel& model, CalendarWindow& calendar, WPARAM id);
    // Forgets a click still waiting.
    void Stop(HWND clock);

private:
    bool buttonDown_ = false;  // a press on the clock whose release counts as a click
    bool passRelease_ = false; // the release belongs to the plain clock
};
