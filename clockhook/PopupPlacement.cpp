#include "clockhook/PopupPlacement.h"

Box MonitorBoxOf(HWND window, bool workArea)
{
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return BoxOf(workArea ? monitor.rcWork : monitor.rcMonitor);
}

Box TaskbarBoxOf(HWND clock)
{
    RECT rect;
    GetWindowRect(GetAncestor(clock, GA_ROOT), &rect);
    return BoxOf(rect);
}

TaskbarEdge EdgeOfClock(HWND clock)
{
    return EdgeOf(TaskbarBoxOf(clock), MonitorBoxOf(GetAncestor(clock, GA_ROOT), false));
}
