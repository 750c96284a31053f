// Single and double clicks on the clock. A single click waits the system's
// double-click time, so that it does not fire when it turns out to be the
// first half of a double click.
#pragma once

#include <windows.h>

// Handles WM_LBUTTONDOWN, WM_LBUTTONUP and WM_LBUTTONDBLCLK. Returns false
// when the message belongs to the plain clock (its command is "Windows
// default"), which the caller then passes on.
bool OnClockClick(HWND clock, UINT message);

// Handles the clock's click timer; returns whether it was that timer.
bool OnClockTimer(HWND clock, WPARAM id);

// Forgets a click still waiting.
void StopClockClicks(HWND clock);
