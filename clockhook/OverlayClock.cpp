#include "clockhook/OverlayClock.h"

#include "hookapi/HookApi.h"
#include "win32/ModuleOf.h"

// The "show desktop" strip at the right end of a Windows 11 taskbar.
constexpr int kShowDesktopStrip = 12;

bool RegisterOverlayClass(WNDPROC procedure)
{
    WNDCLASSA windowClass = {};
    windowClass.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = ThisModule();
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = hookapi::kOverlayClockClass;
    // Still there when the last overlay went with its taskbar: a class cannot
    // go while a window of it is being destroyed.
    return RegisterClassA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// Called once no overlay is left: a class kept past the library's unloading
// would point at code no longer there.
void UnregisterOverlayClass()
{
    UnregisterClassA(hookapi::kOverlayClockClass, ThisModule());
}

HWND CreateOverlay(HWND taskbar, void* surface)
{
    HWND overlay = CreateWindowExA(0, hookapi::kOverlayClockClass, "", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, taskbar,
                                   nullptr, ThisModule(), surface);
    if (overlay != nullptr) {
        SetWindowPos(overlay, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return overlay;
}

RECT OverlayAnchor(HWND taskbar, HWND bridge, bool vertical, int dpi)
{
    RECT rect = {0, 0, 0, 0};
    GetWindowRect(bridge, &rect);
    MapWindowPoints(nullptr, taskbar, reinterpret_cast<POINT*>(&rect), 2);
    RECT client;
    GetClientRect(taskbar, &client);
    IntersectRect(&rect, &rect, &client);
    const int strip = MulDiv(kShowDesktopStrip, dpi, 96);
    LONG& farEnd = vertical ? rect.bottom : rect.right;
    const LONG nearEnd = vertical ? rect.top : rect.left;
    farEnd = farEnd - strip > nearEnd ? farEnd - strip : nearEnd;
    return rect;
}

static Box InTaskbar(HWND taskbar, RECT rect)
{
    MapWindowPoints(nullptr, taskbar, reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

OverlayRoom PlaceOverlay(HWND taskbar, HWND bridge, bool vertical, int dpi, const std::vector<LocatedElement>& located)
{
    std::vector<LocatedElement> elements = located;
    for (LocatedElement& element : elements) {
        element.rect =
            InTaskbar(taskbar, {element.rect.left, element.rect.top, element.rect.right, element.rect.bottom});
    }
    Box notifyArea;
    HWND notify = FindWindowExA(taskbar, nullptr, hookapi::kNotifyWindowClass, nullptr);
    RECT rect;
    if (notify != nullptr && IsWindowVisible(notify) && GetWindowRect(notify, &rect)) {
        notifyArea = InTaskbar(taskbar, rect);
    }
    const RECT anchor = OverlayAnchor(taskbar, bridge, vertical, dpi);
    return ChooseOverlayRoom(ClockContentOf(elements, vertical), notifyArea,
                             {anchor.left, anchor.top, anchor.right, anchor.bottom});
}

RECT RectOf(const Box& box)
{
    return {box.left, box.top, box.right, box.bottom};
}

RECT RectInParent(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}
