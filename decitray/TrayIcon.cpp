#include "TrayIcon.h"

#include <cstring>
#include <shellapi.h>

// The record in its Windows 2000 form: 128-character tip, balloon fields, no
// GUID. Shells of that age take exactly this size.
constexpr DWORD kNotifyDataSize = NOTIFYICONDATAA_V2_SIZE;
#if defined(_WIN32) && !defined(_WIN64)
static_assert(kNotifyDataSize == 488, "the tray record is 488 bytes on 32-bit Windows");
#endif

static const UINT taskbarCreatedMessage = RegisterWindowMessageA("TaskbarCreated");
static TrayIcon* theTrayIcon = nullptr;

static const char kTrayWindowClass[] = "TrayIconClass";

// Loads the menu named by the icon id; the caller destroys it. Null if the
// resource or its first submenu is missing.
static HMENU LoadTrayMenu(HINSTANCE instance, UINT menuId, HMENU* submenu)
{
    HMENU menu = LoadMenuA(instance, MAKEINTRESOURCEA(menuId));
    if (!menu)
        return nullptr;
    *submenu = GetSubMenu(menu, 0);
    if (!*submenu) {
        DestroyMenu(menu);
        return nullptr;
    }
    return menu;
}

TrayIcon::TrayIcon()
{
    std::memset(&notifyData, 0, sizeof notifyData);
    theTrayIcon = this;
}

TrayIcon::~TrayIcon()
{
    Remove();
    if (ownWindow)
        DestroyWindow(ownWindow);
    if (theTrayIcon == this)
        theTrayIcon = nullptr;
}

bool TrayIcon::Create(HINSTANCE instance, HWND targetWindow, UINT callbackMessage, const char* tip, HICON icon,
                      UINT iconId, bool hidden)
{
    enabled = LOBYTE(LOWORD(GetVersion())) >= 4;
    if (!enabled)
        return false;

    this->instance = instance;
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = TrayWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kTrayWindowClass;
    RegisterClassExA(&windowClass);
    ownWindow = CreateWindowExA(0, kTrayWindowClass, "", WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);

    notifyData.cbSize = kNotifyDataSize;
    notifyData.hWnd = targetWindow ? targetWindow : ownWindow;
    notifyData.uID = iconId;
    notifyData.hIcon = icon;
    notifyData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    notifyData.uCallbackMessage = callbackMessage;
    lstrcpynA(notifyData.szTip, tip, sizeof notifyData.szTip);

    this->hidden = hidden;
    this->targetWindow = notifyData.hWnd;
    creationFlags = notifyData.uFlags;
    if (hidden)
        return true;

    const bool added = Shell_NotifyIconA(NIM_ADD, &notifyData) != FALSE;
    removed = this->hidden = !added;
    // Left set after a successful add, so the icon comes back when the
    // taskbar is re-created.
    pending = added;
    return added;
}

bool TrayIcon::Hide()
{
    if (!enabled || removed || hidden)
        return true;
    Remove();
    return hidden;
}

bool TrayIcon::Remove()
{
    pending = false;
    if (!enabled || removed)
        return true;
    notifyData.uFlags = 0;
    if (Shell_NotifyIconA(NIM_DELETE, &notifyData))
        hidden = removed = true;
    return removed;
}

bool TrayIcon::SetDefaultMenuItem(UINT item, bool byPosition)
{
    if (item == defaultItem && byPosition == defaultByPosition)
        return true;
    defaultItem = item;
    defaultByPosition = byPosition;
    HMENU submenu = nullptr;
    HMENU menu = LoadTrayMenu(instance, notifyData.uID, &submenu);
    if (!menu)
        return false;
    SetMenuDefaultItem(submenu, item, byPosition);
    DestroyMenu(menu);
    return true;
}

bool TrayIcon::ShowMenu(HWND commandWindow)
{
    HMENU submenu = nullptr;
    HMENU menu = LoadTrayMenu(instance, notifyData.uID, &submenu);
    if (!menu)
        return false;
    SetMenuDefaultItem(submenu, defaultItem, defaultByPosition);
    POINT cursor = {};
    GetCursorPos(&cursor);
    // Without the foreground the menu would not close on a click elsewhere.
    SetForegroundWindow(notifyData.hWnd);
    TrackPopupMenu(submenu, 0, cursor.x, cursor.y, 0, commandWindow, nullptr);
    PostMessageA(notifyData.hWnd, WM_NULL, 0, 0);
    DestroyMenu(menu);
    return true;
}

// The command of the default item; false if it is a position and the menu
// to look it up in is missing.
bool TrayIcon::DefaultCommand(UINT* command)
{
    if (!defaultByPosition) {
        *command = defaultItem;
        return true;
    }
    HMENU submenu = nullptr;
    HMENU menu = LoadTrayMenu(instance, notifyData.uID, &submenu);
    if (!menu)
        return false;
    *command = GetMenuItemID(submenu, static_cast<int>(defaultItem));
    DestroyMenu(menu);
    return true;
}

LRESULT TrayIcon::OnTrayNotification(WPARAM wParam, LPARAM lParam)
{
    if (wParam != notifyData.uID)
        return 0;
    const HWND commandWindow = CommandWindow();
    if (!commandWindow)
        return 0;

    switch (LOWORD(lParam)) {
    case WM_RBUTTONUP:
        if (!ShowMenu(commandWindow))
            return 0;
        break;
    case WM_LBUTTONDBLCLK: {
        SetForegroundWindow(notifyData.hWnd);
        UINT command = 0;
        if (!DefaultCommand(&command))
            return 0;
        SendMessageA(commandWindow, WM_COMMAND, command, 0);
        break;
    }
    default:
        break;
    }
    return 1;
}

void TrayIcon::ReAdd()
{
    if (!pending || hidden)
        return;
    notifyData.uFlags = creationFlags;
    // After a mere work-area change the icon is still there and the shell
    // refuses to add it twice; it counts as shown if it can be modified.
    const bool shown = Shell_NotifyIconA(NIM_ADD, &notifyData) || Shell_NotifyIconA(NIM_MODIFY, &notifyData);
    hidden = !shown;
    pending = shown;
}

LRESULT CALLBACK TrayWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    TrayIcon* const tray = theTrayIcon;
    if (!tray || window != tray->ownWindow)
        return DefWindowProcA(window, message, wParam, lParam);

    if (message == taskbarCreatedMessage) {
        tray->ReAdd();
        return 0;
    }
    if (message == WM_SETTINGCHANGE) {
        if (wParam == SPI_SETWORKAREA)
            tray->ReAdd();
        return 0;
    }
    if (message == tray->notifyData.uCallbackMessage)
        return tray->OnTrayNotification(wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}
