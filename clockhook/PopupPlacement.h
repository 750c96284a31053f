// The taskbar edge a clock window is on, and where its popups open.
#pragma once

#include "clockhook/model/TaskbarEdge.h"

#include <windows.h>

// The edge of its monitor along which the clock's taskbar (its top-level
// window) lies.
TaskbarEdge EdgeOfClock(HWND clock);

// The screen rectangle of the clock's taskbar.
Box TaskbarBoxOf(HWND clock);

// The monitor's work area, or the whole monitor, that holds the window.
Box MonitorBoxOf(HWND window, bool workArea);

inline Box BoxOf(const RECT& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}
