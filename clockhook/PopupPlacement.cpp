#include "PopupPlacement.h"

Box MonitorBoxOf(HWND window, bool workArea)
{
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return BoxOf(workArea ? monitor.rcWork : monitor.rcMonitor);
}

TaskbarEdge EdgeOfClock(HWND clock)
{
    HWND taskbar = GetAncestor(clock, GA_ROOT);
    RECT rect;
    GetWindowRect(taskbar, &rect);
    return EdgeOf(BoxOf(rect), MonitorBoxOf(taskbar, false));
}
