// A window timer the system may put off by a little so that it fires with
// others and the machine wakes less often. Where the system has no such
// timers (before Windows 8, some Wine versions) it is a plain timer.
#pragma once

#include <windows.h>

// Sets, or resets, the window's timer id to post WM_TIMER every delayMs,
// each time up to toleranceMs late (0: never put off). Returns false when
// the system refuses the timer.
bool SetTolerantTimer(HWND window, UINT_PTR id, UINT delayMs, ULONG toleranceMs);
