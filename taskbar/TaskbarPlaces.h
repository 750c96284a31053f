// Where a stand-in taskbar and its parts lie, for each edge and DPI. Measures
// are given at 96 DPI and scaled to the DPI the taskbar is drawn at.
#pragma once

#include "taskbar/StandInTaskbar.h"

#include <windows.h>

#include <vector>

// Declares the process per-monitor DPI aware where the system knows how
// (system aware otherwise); answers the system's DPI.
int DeclareDpiAwareness();
// The DPI a window is drawn at (the system's where it cannot be asked).
int DpiOfWindow(HWND window);

inline bool IsVertical(StandInEdge edge)
{
    return edge == StandInEdge::Left || edge == StandInEdge::Right;
}

// The primary monitor: the first of the slots the screen is split into.
RECT PrimaryMonitor(int monitors);
// The screen rectangle of the taskbar of that index: along the edge of
// monitor slot index % monitors; taskbars beyond the monitors lie further in.
RECT TaskbarPlace(StandInEdge edge, int monitors, int index, int dpi);

// In the taskbar's client area (inside): the primary's notification area and
// a Windows 10 secondary's clock button, at the taskbar's far end.
RECT NotifyPlace(const RECT& inside, bool vertical, int dpi);
RECT ClockButtonPlace(const RECT& inside, bool vertical, int dpi);
// The classic clock at the far end of the notification area's client area.
RECT ClassicClockPlace(const RECT& area, bool vertical, int dpi);
// A Windows 11 secondary's clock bridge at the taskbar's far end; its task
// list bridge takes the rest.
RECT ClockBridgePlace(const RECT& inside, bool vertical, int dpi);
RECT TaskListPlace(const RECT& inside, bool vertical, int dpi);
// One element of a clock bridge's content.
struct TrayElement {
    const char* className;
    const char* automationId;
    RECT rect;
};

// The elements at the far end of a clock bridge (its client rectangle, or
// its screen rectangle for screen places), from the far end: the show-desktop
// strip, Copilot, the bell or badge, the moon, the clock's content (holding
// its time and date text blocks), the Widgets button when left aligned. A
// bridge taller than wide lies on a vertical taskbar.
std::vector<TrayElement> TrayElements(const RECT& bridge, int dpi, const TrayState& state);
