#include "taskbar/TaskbarParts.h"

#include "hookapi/ClockSettings.h"
#include "hookapi/HookApi.h"
#include "taskbar/TaskbarPlaces.h"
#include "taskbar/TaskbarTray.h"
#include "win32/Win32Handles.h"
#include "win32/WindowBinding.h"

#include <string>

constexpr UINT_PTR kClockTimer = 1;
constexpr UINT kAdjustCommand = 1;
constexpr UINT kCloseCommand = 2;
// Every child: a sibling above it (an overlay clock) is never painted over.
constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;

bool PlainClock::Create(HINSTANCE instance, const char* windowClass, HWND parent, const RECT& place, bool shown)
{
    const DWORD style = shown ? kChildStyle : (kChildStyle & ~WS_VISIBLE);
    if (!CreateWindowExA(0, windowClass, "", style, place.left, place.top, place.right - place.left,
                         place.bottom - place.top, parent, nullptr, instance, this)) {
        return false;
    }
    ShowTime();
    SetTimer(window_, kClockTimer, 1000, nullptr);
    return true;
}

// The clock's own menu, owned by the clock as a shell clock's is, so that a
// component can add its items when the menu opens.
void PlainClock::ShowMenu(LPARAM lParam)
{
    UniqueMenu menu(CreatePopupMenu());
    AppendMenuA(menu.Get(), MF_STRING, kAdjustCommand, kAdjustMenuText);
    AppendMenuA(menu.Get(), MF_STRING, kCloseCommand, kCloseMenuText);
    POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (lParam == -1) {
        RECT rect;
        GetWindowRect(window_, &rect);
        point = {rect.left, rect.top};
    }
    SetForegroundWindow(GetAncestor(window_, GA_ROOT));
    TrackPopupMenu(menu.Get(), TPM_RIGHTBUTTON, point.x, point.y, 0, window_, nullptr);
    PostMessageA(window_, WM_NULL, 0, 0);
}

void PlainClock::ShowTime()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    char text[16];
    wsprintfA(text, "%02d:%02d:%02d", now.wHour, now.wMinute, now.wSecond);
    SetWindowTextA(window_, text);
    InvalidateRect(window_, nullptr, TRUE);
}

void PlainClock::Paint()
{
    PaintDC dc(window_);
    char text[16];
    int length = GetWindowTextA(window_, text, sizeof text);
    RECT client;
    GetClientRect(window_, &client);
    DCSelection font(dc.Get(), GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc.Get(), TRANSPARENT);
    DrawTextA(dc.Get(), text, length, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

LRESULT PlainClock::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == settingsRecordsMessage_ && message != 0) {
        return settingsRecords_;
    }
    switch (message) {
    case WM_COPYDATA: {
        const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (copy->dwData == hookapi::kSettingsCopyDataId && copy->cbData == kClockSettingsSize) {
            ++settingsRecords_;
        }
        break;
    }
    case WM_CONTEXTMENU:
        ShowMenu(lParam);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kAdjustCommand) {
            MessageBeep(MB_OK); // nothing to adjust in a stand-in
        } else if (LOWORD(wParam) == kCloseCommand) {
            PostMessageA(primary_, WM_CLOSE, 0, 0);
        }
        return 0;
    case WM_TIMER:
        ShowTime();
        return 0;
    case WM_PAINT:
        Paint();
        return 0;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

const WNDPROC PlainClock::Procedure = BoundWindowProc<PlainClock, &PlainClock::window_, &PlainClock::HandleMessage>;

// Another extension's procedure on the clock: passes everything down.
LRESULT CALLBACK PlainClock::OtherExtensionProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    PlainClock* self = BoundWindowObject<PlainClock>(window, message, lParam);
    return CallWindowProcA(self->procUnderOtherExtension_, window, message, wParam, lParam);
}

bool PlainClock::RunsOwnProcedure() const
{
    return GetWindowLongPtrA(window_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(Procedure);
}

bool PlainClock::SubclassOnTop()
{
    if (procUnderOtherExtension_ != nullptr) {
        return false;
    }
    procUnderOtherExtension_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OtherExtensionProc)));
    return true;
}

// Milliseconds until the next minute begins, so the fake clock turns with it.
static UINT UntilNextMinute()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return (60 - now.wSecond) * 1000 - now.wMilliseconds;
}

// A content bridge; the one created with a non-null parameter holds the
// system's clock, painted as a fake one and turned each minute.
static LRESULT CALLBACK BridgeProc(HWND bridge, UINT message, WPARAM wParam, LPARAM lParam)
{
    const bool holdsClock = GetWindowLongPtrA(bridge, GWLP_USERDATA) != 0;
    switch (message) {
    case WM_CREATE:
        if (reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams != nullptr) {
            SetWindowLongPtrA(bridge, GWLP_USERDATA, 1);
            SetTimer(bridge, kClockTimer, UntilNextMinute(), nullptr);
        }
        return 0;
    case WM_TIMER:
        InvalidateRect(bridge, nullptr, TRUE);
        SetTimer(bridge, kClockTimer, CurrentTrayState().Of(TrayItem::Seconds) != 0 ? 1000 : UntilNextMinute(),
                 nullptr);
        return 0;
    case WM_PAINT:
        if (holdsClock) {
            PaintDC dc(bridge);
            PaintTray(bridge, dc.Get());
            return 0;
        }
        break;
    case WM_GETOBJECT:
        if (holdsClock) {
            return AnswerTrayObject(bridge, wParam, lParam);
        }
        break;
    }
    return DefWindowProcA(bridge, message, wParam, lParam);
}

static void RegisterWindowClass(HINSTANCE instance, const char* name, WNDPROC proc, UINT style, HBRUSH background)
{
    WNDCLASSA windowClass = {};
    windowClass.style = style;
    windowClass.lpfnWndProc = proc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    RegisterClassA(&windowClass);
}

void RegisterTaskbarClasses(HINSTANCE instance, WNDPROC primaryProc, HBRUSH background)
{
    const UINT redraw = CS_HREDRAW | CS_VREDRAW;
    RegisterWindowClass(instance, hookapi::kTrayWindowClass, primaryProc, redraw, background);
    RegisterWindowClass(instance, hookapi::kSecondaryTrayWindowClass, DefWindowProcA, redraw, background);
    RegisterWindowClass(instance, hookapi::kNotifyWindowClass, DefWindowProcA, redraw, background);
    // Like the shell's clocks, they are told of double clicks.
    RegisterWindowClass(instance, hookapi::kClockWindowClass, PlainClock::Procedure, redraw | CS_DBLCLKS, background);
    RegisterWindowClass(instance, hookapi::kClockButtonClass, PlainClock::Procedure, redraw | CS_DBLCLKS, background);
    RegisterWindowClass(instance, hookapi::kContentBridgeClass, BridgeProc, redraw, background);
    RegisterWindowClass(instance, kFullScreenClass, DefWindowProcA, 0, CreateSolidBrush(kFullScreenColour));
}

static HWND CreateChild(HINSTANCE instance, const char* windowClass, HWND parent, const RECT& place,
                        void* param = nullptr, DWORD exStyle = 0)
{
    return CreateWindowExA(exStyle, windowClass, "", kChildStyle, place.left, place.top, place.right - place.left,
                           place.bottom - place.top, parent, nullptr, instance, param);
}

static HWND CreateClockBridge(HINSTANCE instance, HWND parent, const RECT& place)
{
    static int holdsClock = 1;
    return CreateChild(instance, hookapi::kContentBridgeClass, parent, place, &holdsClock);
}

static void AddPrimaryParts(HINSTANCE instance, const TaskbarOptions& options, Taskbar& taskbar)
{
    RECT inside;
    GetClientRect(taskbar.window, &inside);
    if (options.layout == TaskbarLayout::Win11) {
        CreateClockBridge(instance, taskbar.window, inside);
        return;
    }
    const bool vertical = IsVertical(options.edge);
    const int dpi = DpiOfWindow(taskbar.window);
    HWND notify = CreateChild(instance, hookapi::kNotifyWindowClass, taskbar.window, NotifyPlace(inside, vertical, dpi),
                              nullptr, WS_EX_STATICEDGE);
    if (notify == nullptr) {
        return;
    }
    RECT area;
    GetClientRect(notify, &area);
    if (options.layout == TaskbarLayout::Win11Early) {
        CreateClockBridge(instance, notify, area);
    } else if (options.withClock) {
        taskbar.clock = std::make_unique<PlainClock>(taskbar.window);
        taskbar.clock->Create(instance, hookapi::kClockWindowClass, notify, ClassicClockPlace(area, vertical, dpi),
                              options.clockShown);
    }
}

static void AddSecondaryParts(HINSTANCE instance, const TaskbarOptions& options, Taskbar& taskbar, HWND primary)
{
    RECT inside;
    GetClientRect(taskbar.window, &inside);
    const bool vertical = IsVertical(options.edge);
    const int dpi = DpiOfWindow(taskbar.window);
    if (options.layout == TaskbarLayout::Win10) {
        taskbar.clock = std::make_unique<PlainClock>(primary);
        taskbar.clock->Create(instance, hookapi::kClockButtonClass, taskbar.window,
                              ClockButtonPlace(inside, vertical, dpi), true);
    } else if (options.layout == TaskbarLayout::Win11 || options.layout == TaskbarLayout::Win11Early) {
        CreateChild(instance, hookapi::kContentBridgeClass, taskbar.window, TaskListPlace(inside, vertical, dpi));
        CreateClockBridge(instance, taskbar.window, ClockBridgePlace(inside, vertical, dpi));
    }
}

static void Place(HWND window, const RECT& place)
{
    SetWindowPos(window, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

static bool HoldsClock(HWND bridge)
{
    return GetWindowLongPtrA(bridge, GWLP_USERDATA) != 0;
}

// The children as the creation put them, for the taskbar's present size.
static void PlaceParts(HWND taskbar, const TaskbarOptions& options, bool primary)
{
    RECT inside;
    GetClientRect(taskbar, &inside);
    const bool vertical = IsVertical(options.edge);
    const int dpi = DpiOfWindow(taskbar);
    for (HWND child = GetWindow(taskbar, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        char windowClass[64] = "";
        GetClassNameA(child, windowClass, sizeof windowClass);
        const std::string name = windowClass;
        if (name == hookapi::kClockButtonClass) {
            Place(child, ClockButtonPlace(inside, vertical, dpi));
        } else if (name == hookapi::kContentBridgeClass) {
            Place(child, primary ? inside
                                 : (HoldsClock(child) ? ClockBridgePlace(inside, vertical, dpi)
                                                      : TaskListPlace(inside, vertical, dpi)));
        } else if (name == hookapi::kNotifyWindowClass) {
            Place(child, NotifyPlace(inside, vertical, dpi));
            RECT area;
            GetClientRect(child, &area);
            HWND inner = GetWindow(child, GW_CHILD);
            Place(inner, HoldsClock(inner) ? area : ClassicClockPlace(area, vertical, dpi));
        }
    }
}

void MoveTaskbar(const Taskbar& taskbar, const TaskbarOptions& options, int index)
{
    Place(taskbar.window, TaskbarPlace(options.edge, options.monitors, index, options.dpi));
    PlaceParts(taskbar.window, options, index == 0);
}

void GrowClockBridge(HWND taskbar, int pixels)
{
    for (HWND child = GetWindow(taskbar, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (HoldsClock(child)) {
            RECT rect;
            GetWindowRect(child, &rect);
            MapWindowPoints(nullptr, taskbar, reinterpret_cast<POINT*>(&rect), 2);
            const int grown = MulDiv(pixels, DpiOfWindow(taskbar), 96);
            (rect.bottom - rect.top > rect.right - rect.left ? rect.top : rect.left) -= grown;
            SetWindowPos(child, HWND_TOP, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                         SWP_NOACTIVATE);
            return;
        }
    }
}

Taskbar CreateTaskbar(HINSTANCE instance, const TaskbarOptions& options, int index, HWND primary, void* primaryObject)
{
    const RECT place = TaskbarPlace(options.edge, options.monitors, index, options.dpi);
    Taskbar taskbar;
    taskbar.window = CreateWindowExA(
        WS_EX_TOOLWINDOW | WS_EX_TOPMOST, index == 0 ? hookapi::kTrayWindowClass : hookapi::kSecondaryTrayWindowClass,
        "", WS_POPUP | WS_BORDER, place.left, place.top, place.right - place.left, place.bottom - place.top, nullptr,
        nullptr, instance, index == 0 ? primaryObject : nullptr);
    if (taskbar.window == nullptr) {
        return taskbar;
    }
    if (index == 0) {
        AddPrimaryParts(instance, options, taskbar);
    } else {
        AddSecondaryParts(instance, options, taskbar, primary);
    }
    ShowWindow(taskbar.window, SW_SHOWNOACTIVATE);
    return taskbar;
}
