// taskbar.exe: a stand-in for the shell's taskbar, so the clock component can
// be loaded and watched under Wine. A "Shell_TrayWnd" along the bottom of the
// screen, a "TrayNotifyWnd" in it and a "TrayClockWClass" clock showing the
// plain time, with a right-click menu of its own. Switches: /noclock (no
// clock at all), /hiddenclock.
#include "HookApi.h"
#include "StandInTaskbar.h"
#include "Win32Handles.h"
#include "WindowBinding.h"

#include <windows.h>

#include <cstring>

constexpr int kTaskbarHeight = 40;
constexpr int kNotifyWidth = 240;
constexpr int kClockWidth = 80;
constexpr UINT_PTR kClockTimer = 1;
constexpr UINT kAdjustCommand = 1;
constexpr UINT kCloseCommand = 2;

namespace {

// The taskbar window and its clock; both windows are bound to it.
class StandIn {
public:
    StandIn();
    StandIn(const StandIn&) = delete;
    StandIn& operator=(const StandIn&) = delete;

    bool Create(HINSTANCE instance, bool withClock, bool clockShown);

private:
    static const WNDPROC TrayProc;
    static const WNDPROC ClockProc;
    static LRESULT CALLBACK OtherExtensionProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleTrayMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleClockMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void ShowClockMenu(LPARAM lParam);
    void ShowTime();
    void PaintClock();
    LRESULT SubclassClockOnTop();

    HWND tray_ = nullptr;
    HWND clock_ = nullptr;
    const UINT clockProcIntactMessage_;
    const UINT openMenuItemsMessage_;
    const UINT subclassClockMessage_;
    WNDPROC procUnderOtherExtension_ = nullptr;
};

} // namespace

// Wine's own (hidden) tray window, which keeps the notification icons.
static HWND FindOtherTray(HWND ours)
{
    HWND tray = nullptr;
    while ((tray = FindWindowExA(nullptr, tray, hookapi::kTrayWindowClass, nullptr)) != nullptr) {
        if (tray != ours) {
            return tray;
        }
    }
    return nullptr;
}

static HMENU OpenMenu()
{
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, "#32768", nullptr)) != nullptr) {
        if (IsWindowVisible(window) && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) {
            return reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0));
        }
    }
    return nullptr;
}

static ATOM OpenMenuItemsAtom()
{
    HMENU menu = OpenMenu();
    if (menu == nullptr) {
        return 0;
    }
    char list[256] = "";
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[64] = "";
        MENUITEMINFOA item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
        item.dwTypeData = text;
        item.cch = sizeof text;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &item);
        if (item.fType & MFT_SEPARATOR) {
            lstrcpyA(text, "-");
        } else if (item.fType & MFT_OWNERDRAW) {
            wsprintfA(text, "[owner-drawn #%u]", item.wID);
        }
        if (lstrlenA(list) + lstrlenA(text) + 2 >= static_cast<int>(sizeof list)) {
            break;
        }
        if (i > 0) {
            lstrcatA(list, "\n");
        }
        lstrcatA(list, text);
    }
    return GlobalAddAtomA(list);
}

StandIn::StandIn()
    : clockProcIntactMessage_(RegisterWindowMessageA(kClockProcIntactMessage)),
      openMenuItemsMessage_(RegisterWindowMessageA(kOpenMenuItemsMessage)),
      subclassClockMessage_(RegisterWindowMessageA(kSubclassClockMessage))
{
}

// The plain clock's own menu, owned by the clock as a shell clock's is, so
// that a component can add its items when the menu opens.
void StandIn::ShowClockMenu(LPARAM lParam)
{
    UniqueMenu menu(CreatePopupMenu());
    AppendMenuA(menu.Get(), MF_STRING, kAdjustCommand, kAdjustMenuText);
    AppendMenuA(menu.Get(), MF_STRING, kCloseCommand, kCloseMenuText);
    POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (lParam == -1) {
        RECT rect;
        GetWindowRect(clock_, &rect);
        point = {rect.left, rect.top};
    }
    SetForegroundWindow(tray_);
    TrackPopupMenu(menu.Get(), TPM_RIGHTBUTTON, point.x, point.y, 0, clock_, nullptr);
    PostMessageA(clock_, WM_NULL, 0, 0);
}

void StandIn::ShowTime()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    char text[16];
    wsprintfA(text, "%02d:%02d:%02d", now.wHour, now.wMinute, now.wSecond);
    SetWindowTextA(clock_, text);
    InvalidateRect(clock_, nullptr, TRUE);
}

void StandIn::PaintClock()
{
    PaintDC dc(clock_);
    char text[16];
    int length = GetWindowTextA(clock_, text, sizeof text);
    RECT client;
    GetClientRect(clock_, &client);
    DCSelection font(dc.Get(), GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc.Get(), TRANSPARENT);
    DrawTextA(dc.Get(), text, length, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

LRESULT StandIn::HandleClockMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CONTEXTMENU:
        ShowClockMenu(lParam);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kAdjustCommand) {
            MessageBeep(MB_OK); // nothing to adjust in a stand-in
        } else if (LOWORD(wParam) == kCloseCommand) {
            PostMessageA(tray_, WM_CLOSE, 0, 0);
        }
        return 0;
    case WM_TIMER:
        ShowTime();
        return 0;
    case WM_PAINT:
        PaintClock();
        return 0;
    }
    return DefWindowProcA(clock_, message, wParam, lParam);
}

const WNDPROC StandIn::ClockProc = BoundWindowProc<StandIn, &StandIn::clock_, &StandIn::HandleClockMessage>;

// Another extension's procedure on the clock: passes everything down.
LRESULT CALLBACK StandIn::OtherExtensionProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    StandIn* self = BoundWindowObject<StandIn>(window, message, lParam);
    return CallWindowProcA(self->procUnderOtherExtension_, window, message, wParam, lParam);
}

LRESULT StandIn::SubclassClockOnTop()
{
    if (clock_ == nullptr || procUnderOtherExtension_ != nullptr) {
        return 0;
    }
    procUnderOtherExtension_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(clock_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OtherExtensionProc)));
    return 1;
}

LRESULT StandIn::HandleTrayMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == clockProcIntactMessage_ && message != 0) {
        return clock_ != nullptr && GetWindowLongPtrA(clock_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(ClockProc);
    }
    if (message == openMenuItemsMessage_ && message != 0) {
        return OpenMenuItemsAtom();
    }
    if (message == subclassClockMessage_ && message != 0) {
        return SubclassClockOnTop();
    }
    switch (message) {
    case WM_COPYDATA: {
        // Tray icons: Shell_NotifyIcon finds us first, Wine's tray does the work.
        HWND other = FindOtherTray(tray_);
        return other != nullptr ? SendMessageA(other, WM_COPYDATA, wParam, lParam) : FALSE;
    }
    case WM_CLOSE:
        DestroyWindow(tray_);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(tray_, message, wParam, lParam);
}

const WNDPROC StandIn::TrayProc = BoundWindowProc<StandIn, &StandIn::tray_, &StandIn::HandleTrayMessage>;

static void RegisterWindowClass(HINSTANCE instance, const char* name, WNDPROC proc, UINT style)
{
    WNDCLASSA windowClass = {};
    windowClass.style = style;
    windowClass.lpfnWndProc = proc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name;
    RegisterClassA(&windowClass);
}

bool StandIn::Create(HINSTANCE instance, bool withClock, bool clockShown)
{
    RegisterWindowClass(instance, hookapi::kTrayWindowClass, TrayProc, CS_HREDRAW | CS_VREDRAW);
    RegisterWindowClass(instance, hookapi::kNotifyWindowClass, DefWindowProcA, CS_HREDRAW | CS_VREDRAW);
    // Like the shell's clock, it is told of double clicks.
    RegisterWindowClass(instance, hookapi::kClockWindowClass, ClockProc, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS);

    int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    if (!CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, hookapi::kTrayWindowClass, "", WS_POPUP | WS_BORDER, 0,
                         screenHeight - kTaskbarHeight, screenWidth, kTaskbarHeight, nullptr, nullptr, instance,
                         this)) {
        return false;
    }
    RECT inside;
    GetClientRect(tray_, &inside);
    HWND notify = CreateWindowExA(WS_EX_STATICEDGE, hookapi::kNotifyWindowClass, "", WS_CHILD | WS_VISIBLE,
                                  inside.right - kNotifyWidth, 2, kNotifyWidth - 2, inside.bottom - 4, tray_, nullptr,
                                  instance, nullptr);
    if (withClock && notify != nullptr) {
        RECT area;
        GetClientRect(notify, &area);
        CreateWindowExA(0, hookapi::kClockWindowClass, "", WS_CHILD | (clockShown ? WS_VISIBLE : 0),
                        area.right - kClockWidth, 0, kClockWidth, area.bottom, notify, nullptr, instance, this);
        ShowTime();
        SetTimer(clock_, kClockTimer, 1000, nullptr);
    }
    ShowWindow(tray_, SW_SHOWNOACTIVATE);
    return true;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    StandIn standIn;
    if (!standIn.Create(instance, std::strstr(commandLine, kNoClockSwitch) == nullptr,
                        std::strstr(commandLine, kHiddenClockSwitch) == nullptr)) {
        return 1;
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
