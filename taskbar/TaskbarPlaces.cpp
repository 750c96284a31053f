#include "taskbar/TaskbarPlaces.h"

#include "win32/Win32Handles.h"

constexpr int kTaskbarHeight = 40;
constexpr int kVerticalTaskbarWidth = 62;
constexpr int kNotifyLength = 240;
constexpr int kNotifyInset = 2;
constexpr int kClockWidth = 80;
constexpr int kClockHeight = 40; // on a vertical taskbar
constexpr int kClockButtonInset = 2;
constexpr int kShowDesktopStrip = 12;

static int Scaled(int measure, int dpi)
{
    return MulDiv(measure, dpi, 96);
}

static int SystemDpi()
{
    WindowDC screen(nullptr);
    return screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
}

// Both functions came after the oldest Windows we build for.
int DeclareDpiAwareness()
{
    HMODULE user = GetModuleHandleA("user32.dll");
    using SetContext = BOOL(WINAPI*)(HANDLE);
    using SetAware = BOOL(WINAPI*)();
    auto setContext =
        reinterpret_cast<SetContext>(reinterpret_cast<void*>(GetProcAddress(user, "SetProcessDpiAwarenessContext")));
    // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2, then the first version.
    const bool perMonitor = setContext != nullptr && (setContext(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4))) ||
                                                      setContext(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-3))));
    auto setAware = reinterpret_cast<SetAware>(reinterpret_cast<void*>(GetProcAddress(user, "SetProcessDPIAware")));
    if (!perMonitor && setAware != nullptr) {
        setAware();
    }
    return SystemDpi();
}

int DpiOfWindow(HWND window)
{
    using GetDpi = UINT(WINAPI*)(HWND);
    auto getDpi = reinterpret_cast<GetDpi>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    const UINT dpi = getDpi != nullptr ? getDpi(window) : 0;
    return dpi != 0 ? static_cast<int>(dpi) : SystemDpi();
}

RECT PrimaryMonitor(int monitors)
{
    return {0, 0, GetSystemMetrics(SM_CXSCREEN) / monitors, GetSystemMetrics(SM_CYSCREEN)};
}

RECT TaskbarPlace(StandInEdge edge, int monitors, int index, int dpi)
{
    RECT place = PrimaryMonitor(monitors);
    const int slotWidth = place.right;
    place.left += (index % monitors) * slotWidth;
    place.right += (index % monitors) * slotWidth;
    const int depth = Scaled(IsVertical(edge) ? kVerticalTaskbarWidth : kTaskbarHeight, dpi);
    const int further = depth * (index / monitors);
    switch (edge) {
    case StandInEdge::Bottom:
        place.bottom -= further;
        place.top = place.bottom - depth;
        break;
    case StandInEdge::Top:
        place.top += further;
        place.bottom = place.top + depth;
        break;
    case StandInEdge::Left:
        place.left += further;
        place.right = place.left + depth;
        break;
    case StandInEdge::Right:
        place.right -= further;
        place.left = place.right - depth;
        break;
    }
    return place;
}

// The part of length (along the taskbar) at the far end of the area, inset
// across the taskbar and from the far end.
static RECT FarEnd(const RECT& area, bool vertical, int length, int inset)
{
    if (vertical) {
        return {area.left + inset, area.bottom - inset - length, area.right - inset, area.bottom - inset};
    }
    return {area.right - inset - length, area.top + inset, area.right - inset, area.bottom - inset};
}

RECT NotifyPlace(const RECT& inside, bool vertical, int dpi)
{
    const int inset = Scaled(kNotifyInset, dpi);
    RECT place = FarEnd(inside, vertical, Scaled(kNotifyLength, dpi), inset);
    // Its near end is not inset.
    (vertical ? place.top : place.left) += inset;
    return place;
}

RECT ClockButtonPlace(const RECT& inside, bool vertical, int dpi)
{
    return FarEnd(inside, vertical, Scaled(vertical ? kClockHeight : kClockWidth, dpi), Scaled(kClockButtonInset, dpi));
}

RECT ClassicClockPlace(const RECT& area, bool vertical, int dpi)
{
    return FarEnd(area, vertical, Scaled(vertical ? kClockHeight : kClockWidth, dpi), 0);
}

RECT ClockBridgePlace(const RECT& inside, bool vertical, int dpi)
{
    return FarEnd(inside, vertical, Scaled(kNotifyLength, dpi), 0);
}

RECT TaskListPlace(const RECT& inside, bool vertical, int dpi)
{
    RECT place = inside;
    (vertical ? place.bottom : place.right) -= Scaled(kNotifyLength, dpi);
    return place;
}

// Lengths along the bar at 96 DPI; a vertical bar's elements are shorter.
static int AlongBar(int horizontal, int vertical, bool isVertical, int dpi)
{
    return Scaled(isVertical ? vertical : horizontal, dpi);
}

std::vector<TrayElement> TrayElements(const RECT& bridge, int dpi, const TrayState& state)
{
    const bool vertical = bridge.bottom - bridge.top > bridge.right - bridge.left;
    RECT rest = bridge;
    std::vector<TrayElement> elements;
    // Takes the length at the far end of what is left.
    auto take = [&](const char* className, const char* automationId, int length) {
        RECT place = FarEnd(rest, vertical, length, 0);
        (vertical ? rest.bottom : rest.right) -= length;
        elements.push_back({className, automationId, place});
        return place;
    };
    take("SystemTray.Stack", "ShowDesktopStack", Scaled(kShowDesktopStrip, dpi));
    if (state.Of(TrayItem::Copilot) != 0) {
        take("SystemTray.CopilotIcon", "CopilotButton", AlongBar(40, 32, vertical, dpi));
    }
    const int badge = state.Of(TrayItem::Badge);
    take("SystemTray.OmniButton", "NotificationCenterButton", AlongBar(badge == 2 ? 44 : 32, 32, vertical, dpi));
    if (state.Of(TrayItem::Moon) != 0) {
        take("SystemTray.OmniButton", "FocusAssistButton", AlongBar(32, 32, vertical, dpi));
    }
    const bool seconds = state.Of(TrayItem::Seconds) != 0;
    const RECT clock = take("SystemTray.DateTimeIconContent", "",
                            AlongBar(seconds ? 104 : kClockWidth, seconds ? 56 : kClockHeight, vertical, dpi));
    RECT time = clock;
    time.bottom = (clock.top + clock.bottom) / 2;
    RECT date = clock;
    date.top = time.bottom;
    elements.push_back({"TextBlock", "TimeInnerTextBlock", time});
    elements.push_back({"TextBlock", "DateInnerTextBlock", date});
    if (state.Of(TrayItem::LeftAligned) != 0) {
        take("Taskbar.TaskListButton", "WidgetsButton", AlongBar(48, 40, vertical, dpi));
    }
    return elements;
}
