// The CPU usage and memory load lines along the clock's bottom and top edges.
#pragma once

#include "clockformat/ClockFormat.h"
#include "hookapi/ClockSettings.h"

#include <windows.h>

struct MonitorLines {
    int cpuLength = 0; // pixels; 0: no line
    int memoryLength = 0;
    COLORREF cpuColour = 0;
    COLORREF memoryColour = 0;
    int thickness = 2; // pixels

    bool operator==(const MonitorLines& other) const
    {
        return cpuLength == other.cpuLength && memoryLength == other.memoryLength && cpuColour == other.cpuColour &&
               memoryColour == other.memoryColour && thickness == other.thickness;
    }
};

// Whether the settings ask for either line (each follows a reading taken
// every second).
bool WantsMonitorLines(const ClockSettings& settings);

// The lines the settings ask for, for a clock of the given width, each of
// the given thickness.
MonitorLines MeasureMonitorLines(const ClockSettings& settings, const ResourceReadings& readings, int width,
                                 int thickness);

// Draws them over the clock's client area: CPU along the bottom edge, memory
// along the top, each from the left.
void DrawMonitorLines(HDC dc, const RECT& client, const MonitorLines& lines);
