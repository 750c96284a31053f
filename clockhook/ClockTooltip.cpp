#include "ClockTooltip.h"

#include "ClockChoices.h"
#include "ClockWindow.h"

#include <commctrl.h>

#include <string>

constexpr UINT_PTR kHideTimer = 0x484E;
// How long a tooltip stays up by itself: the system tooltips' own default.
static UINT AutoHideMilliseconds()
{
    return GetDoubleClickTime() * 10;
}

struct TooltipState {
    HWND clock = nullptr;
    HWND tip = nullptr;
    bool tracking = false; // hover and leave are asked for
    bool shown = false;
    bool clicked = false; // kept away since a click, until the mouse leaves
    int anchorX = 0;      // where the mouse was when it showed
    std::string text;
};

static TooltipState g_tooltip;

static TOOLINFOA ToolInfo(char* text)
{
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = g_tooltip.clock;
    tool.uId = reinterpret_cast<UINT_PTR>(g_tooltip.clock);
    tool.lpszText = text;
    return tool;
}

void CreateClockTooltip(HWND clock)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    g_tooltip = TooltipState();
    g_tooltip.clock = clock;
    g_tooltip.tip = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, TOOLTIPS_CLASSA, nullptr,
                                    WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, clock, nullptr, nullptr, nullptr);
    if (g_tooltip.tip == nullptr)
        return;
    char empty[] = "";
    TOOLINFOA tool = ToolInfo(empty);
    SendMessageA(g_tooltip.tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    // Lines break only where the format breaks them.
    SendMessageA(g_tooltip.tip, TTM_SETMAXTIPWIDTH, 0, GetSystemMetrics(SM_CXSCREEN));
}

void DestroyClockTooltip()
{
    if (g_tooltip.tip != nullptr)
        DestroyWindow(g_tooltip.tip);
    if (g_tooltip.clock != nullptr)
        KillTimer(g_tooltip.clock, kHideTimer);
    g_tooltip = TooltipState();
}

// Returns whether there is anything to show.
static bool UpdateText()
{
    std::string text = RenderForClock(TooltipFormat(CurrentClockSettings()), "\r\n");
    if (text == g_tooltip.text)
        return !text.empty();
    g_tooltip.text = text;
    TOOLINFOA tool = ToolInfo(&g_tooltip.text[0]);
    SendMessageA(g_tooltip.tip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    return !text.empty();
}

// Just above the clock at the mouse, or below it when the clock is at the top
// of its screen; always within the screen. The tip's size is known once it
// shows.
static void PlaceTip()
{
    RECT clock;
    GetWindowRect(g_tooltip.clock, &clock);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(g_tooltip.clock, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& screen = monitor.rcMonitor;

    RECT tip;
    GetWindowRect(g_tooltip.tip, &tip);
    int width = tip.right - tip.left;
    int height = tip.bottom - tip.top;
    constexpr int kGap = 2;
    int y = clock.top - height - kGap;
    if (y < screen.top)
        y = clock.bottom + kGap;
    int x = g_tooltip.anchorX - width / 2;
    if (x + width > screen.right)
        x = screen.right - width;
    if (x < screen.left)
        x = screen.left;
    SendMessageA(g_tooltip.tip, TTM_TRACKPOSITION, 0, MAKELPARAM(x, y));
}

void OnTooltipMouseMove(HWND clock)
{
    if (g_tooltip.tracking)
        return;
    TRACKMOUSEEVENT track = {sizeof track, TME_HOVER | TME_LEAVE, clock, HOVER_DEFAULT};
    g_tooltip.tracking = TrackMouseEvent(&track) != 0;
}

void ShowClockTooltip(HWND clock)
{
    if (g_tooltip.tip == nullptr || g_tooltip.shown || g_tooltip.clicked || !UpdateText())
        return;
    POINT cursor;
    GetCursorPos(&cursor);
    g_tooltip.anchorX = cursor.x;
    TOOLINFOA tool = ToolInfo(nullptr);
    SendMessageA(g_tooltip.tip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    PlaceTip();
    g_tooltip.shown = true;
    if (!(CurrentClockSettings().displayFlags & DisplayFlag::TooltipStays))
        SetTimer(clock, kHideTimer, AutoHideMilliseconds(), nullptr);
}

void HideClockTooltip()
{
    if (!g_tooltip.shown)
        return;
    KillTimer(g_tooltip.clock, kHideTimer);
    TOOLINFOA tool = ToolInfo(nullptr);
    SendMessageA(g_tooltip.tip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
    g_tooltip.shown = false;
}

void OnTooltipMouseLeave()
{
    g_tooltip.tracking = false;
    g_tooltip.clicked = false;
    HideClockTooltip();
}

void OnTooltipClick()
{
    HideClockTooltip();
    g_tooltip.clicked = true;
}

void RefreshClockTooltip()
{
    if (!g_tooltip.shown)
        return;
    if (UpdateText())
        PlaceTip(); // the text may have grown
    else
        HideClockTooltip();
}

bool OnTooltipTimer(WPARAM id)
{
    if (id != kHideTimer)
        return false;
    HideClockTooltip();
    return true;
}
