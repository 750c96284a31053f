#include "clockhook/MonitorLines.h"

#include "clockhook/model/ClockMonitor.h"
#include "win32/Win32Handles.h"

static bool CpuLineOn(const ClockSettings& settings)
{
    constexpr std::uint32_t kCpuLine = DisplayFlag::CpuMonitor | DisplayFlag::CpuUsageLine;
    return (settings.displayFlags & kCpuLine) == kCpuLine;
}

static bool MemoryLineOn(const ClockSettings& settings)
{
    return (settings.displayFlags & DisplayFlag::MemoryLoadLine) != 0;
}

bool WantsMonitorLines(const ClockSettings& settings)
{
    return CpuLineOn(settings) || MemoryLineOn(settings);
}

MonitorLines MeasureMonitorLines(const ClockSettings& settings, const ResourceReadings& readings, int width,
                                 int thickness)
{
    MonitorLines lines;
    lines.thickness = thickness;
    if (CpuLineOn(settings)) {
        lines.cpuLength = LineLength(width, readings.cpuUsage);
        lines.cpuColour = settings.cpuColor;
    }
    if (MemoryLineOn(settings)) {
        lines.memoryLength = LineLength(width, readings.memoryLoad);
        lines.memoryColour = settings.memLoadColor;
    }
    return lines;
}

static void FillLine(HDC dc, int top, int length, int thickness, COLORREF colour)
{
    if (length <= 0) {
        return;
    }
    RECT line = {0, top, length, top + thickness};
    UniqueBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &line, brush.Get());
}

void DrawMonitorLines(HDC dc, const RECT& client, const MonitorLines& lines)
{
    FillLine(dc, client.bottom - lines.thickness, lines.cpuLength, lines.thickness, lines.cpuColour);
    FillLine(dc, client.top, lines.memoryLength, lines.thickness, lines.memoryColour);
}
