// taskbar.exe: a stand-in for the shell's taskbar, so the clock component can
// be loaded and watched under Wine. A "Shell_TrayWnd" along the bottom of the
// screen, a "TrayNotifyWnd" in it and a "TrayClockWClass" clock showing the
// plain time, with a right-click menu of its own. Switches: /noclock (no
// clock at all), /hiddenclock.
#include "HookApi.h"
#include "StandInTaskbar.h"

#include <windows.h>

#include <cstring>

constexpr int kTaskbarHeight = 40;
constexpr int kNotifyWidth = 240;
constexpr int kClockWidth = 80;
constexpr UINT_PTR kClockTimer = 1;
constexpr UINT kAdjustCommand = 1;
constexpr UINT kCloseCommand = 2;

static HWND g_tray;
static HWND g_clock;
static UINT g_clockProcIntactMessage;
static UINT g_openMenuItemsMessage;
static UINT g_subclassClockMessage;
static WNDPROC g_procUnderOtherExtension;

// Wine's own (hidden) tray window, which keeps the notification icons.
static HWND FindOtherTray(HWND ours)
{
    HWND tray = nullptr;
    while ((tray = FindWindowExA(nullptr, tray, hookapi::kTrayWindowClass, nullptr)) != nullptr) {
        if (tray != ours)
            return tray;
    }
    return nullptr;
}

// The plain clock's own menu, owned by the clock as a shell clock's is, so
// that a component can add its items when the menu opens.
static void ShowClockMenu(HWND clock, LPARAM lParam)
{
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, kAdjustCommand, kAdjustMenuText);
    AppendMenuA(menu, MF_STRING, kCloseCommand, kCloseMenuText);
    POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (lParam == -1) {
        RECT rect;
        GetWindowRect(clock, &rect);
        point = {rect.left, rect.top};
    }
    SetForegroundWindow(g_tray);
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, point.x, point.y, 0, clock, nullptr);
    PostMessageA(clock, WM_NULL, 0, 0);
    DestroyMenu(menu);
}

static LRESULT CALLBACK ClockProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CONTEXTMENU:
        ShowClockMenu(window, lParam);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kAdjustCommand)
            MessageBeep(MB_OK); // nothing to adjust in a stand-in
        else if (LOWORD(wParam) == kCloseCommand)
            PostMessageA(g_tray, WM_CLOSE, 0, 0);
        return 0;
    case WM_TIMER: {
        SYSTEMTIME now;
        GetLocalTime(&now);
        char text[16];
        wsprintfA(text, "%02d:%02d:%02d", now.wHour, now.wMinute, now.wSecond);
        SetWindowTextA(window, text);
        InvalidateRect(window, nullptr, TRUE);
        return 0;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        char text[16];
        int length = GetWindowTextA(window, text, sizeof text);
        RECT client;
        GetClientRect(window, &client);
        SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc, TRANSPARENT);
        DrawTextA(dc, text, length, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        EndPaint(window, &paint);
        return 0;
    }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// Another extension's procedure on the clock: passes everything down.
static LRESULT CALLBACK OtherExtensionProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcA(g_procUnderOtherExtension, window, message, wParam, lParam);
}

static LRESULT SubclassClockOnTop()
{
    if (g_clock == nullptr || g_procUnderOtherExtension != nullptr)
        return 0;
    g_procUnderOtherExtension = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(g_clock, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OtherExtensionProc)));
    return 1;
}

static HMENU OpenMenu()
{
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, "#32768", nullptr)) != nullptr) {
        if (IsWindowVisible(window) && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId())
            return reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0));
    }
    return nullptr;
}

static ATOM OpenMenuItemsAtom()
{
    HMENU menu = OpenMenu();
    if (menu == nullptr)
        return 0;
    char list[256] = "";
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[64] = "";
        MENUITEMINFOA item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
        item.dwTypeData = text;
        item.cch = sizeof text;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &item);
        if (item.fType & MFT_SEPARATOR)
            lstrcpyA(text, "-");
        else if (item.fType & MFT_OWNERDRAW)
            wsprintfA(text, "[owner-drawn #%u]", item.wID);
        if (lstrlenA(list) + lstrlenA(text) + 2 >= static_cast<int>(sizeof list))
            break;
        if (i > 0)
            lstrcatA(list, "\n");
        lstrcatA(list, text);
    }
    return GlobalAddAtomA(list);
}

static LRESULT CALLBACK TrayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == g_clockProcIntactMessage && message != 0)
        return g_clock != nullptr && GetWindowLongPtrA(g_clock, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(ClockProc);
    if (message == g_openMenuItemsMessage && message != 0)
        return OpenMenuItemsAtom();
    if (message == g_subclassClockMessage && message != 0)
        return SubclassClockOnTop();
    switch (message) {
    case WM_COPYDATA: {
        // Tray icons: Shell_NotifyIcon finds us first, Wine's tray does the work.
        HWND other = FindOtherTray(window);
        return other != nullptr ? SendMessageA(other, WM_COPYDATA, wParam, lParam) : FALSE;
    }
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

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

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    bool withClock = std::strstr(commandLine, kNoClockSwitch) == nullptr;
    bool clockShown = std::strstr(commandLine, kHiddenClockSwitch) == nullptr;
    g_clockProcIntactMessage = RegisterWindowMessageA(kClockProcIntactMessage);
    g_openMenuItemsMessage = RegisterWindowMessageA(kOpenMenuItemsMessage);
    g_subclassClockMessage = RegisterWindowMessageA(kSubclassClockMessage);

    RegisterWindowClass(instance, hookapi::kTrayWindowClass, TrayProc, CS_HREDRAW | CS_VREDRAW);
    RegisterWindowClass(instance, hookapi::kNotifyWindowClass, DefWindowProcA, CS_HREDRAW | CS_VREDRAW);
    // Like the shell's clock, it is told of double clicks.
    RegisterWindowClass(instance, hookapi::kClockWindowClass, ClockProc, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS);

    int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    g_tray = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, hookapi::kTrayWindowClass, "", WS_POPUP | WS_BORDER, 0,
                             screenHeight - kTaskbarHeight, screenWidth, kTaskbarHeight, nullptr, nullptr, instance,
                             nullptr);
    if (g_tray == nullptr)
        return 1;
    RECT inside;
    GetClientRect(g_tray, &inside);
    HWND notify = CreateWindowExA(WS_EX_STATICEDGE, hookapi::kNotifyWindowClass, "", WS_CHILD | WS_VISIBLE,
                                  inside.right - kNotifyWidth, 2, kNotifyWidth - 2, inside.bottom - 4, g_tray, nullptr,
                                  instance, nullptr);
    if (withClock && notify != nullptr) {
        RECT area;
        GetClientRect(notify, &area);
        g_clock =
            CreateWindowExA(0, hookapi::kClockWindowClass, "", WS_CHILD | (clockShown ? WS_VISIBLE : 0),
                            area.right - kClockWidth, 0, kClockWidth, area.bottom, notify, nullptr, instance, nullptr);
        SendMessageA(g_clock, WM_TIMER, kClockTimer, 0);
        SetTimer(g_clock, kClockTimer, 1000, nullptr);
    }
    ShowWindow(g_tray, SW_SHOWNOACTIVATE);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
