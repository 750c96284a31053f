#include "decitray/TrayIcon.h"

#include "win32/Win32Handles.h"
#include "win32/WindowBinding.h"

// The record in its Windows 2000 form: 128-character tip, balloon fields, no
// GUID. Shells of that age take exactly this size.
constexpr DWORD kNotifyDataSize = NOTIFYICONDATAA_V2_SIZE;
#if defined(_WIN32) && !defined(_WIN64)
static_assert(kNotifyDataSize == 488, "the tray record is 488 bytes on 32-bit Windows");
#endif

static const UINT kTaskbarCreatedMessage = RegisterWindowMessageA("TaskbarCreated");
static const char kTrayWindowClass[] = "TrayIconClass";

// Loads the menu named by the icon id and its first submenu; an empty owner
// if the resource or the submenu is missing.
static UniqueMenu LoadTrayMenu(HINSTANCE instance, UINT menuId, HMENU* submenu)
{
    UniqueMenu menu(LoadMenuA(instance, MAKEINTRESOURCEA(menuId)));
    *submenu = menu ? GetSubMenu(menu.Get(), 0) : nullptr;
    if (*submenu == nullptr) {
        menu.Reset();
    }
    return menu;
}

TrayIcon::~TrayIcon()
{
    Remove();
    if (ownWindow_) {
        DestroyWindow(ownWindow_);
    }
}

bool TrayIcon::Create(HINSTANCE instance, HWND targetWindow, UINT callbackMessage, const char* tip, HICON icon,
                      UINT iconId, bool hidden)
{
    enabled_ = LOBYTE(LOWORD(GetVersion())) >= 4;
    if (!enabled_) {
        return false;
    }
    instance_ = instance;
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = OwnWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kTrayWindowClass;
    RegisterClassExA(&windowClass);
    CreateWindowExA(0, kTrayWindowClass, "", WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    nullptr, nullptr, instance, this);

    notifyData_.cbSize = kNotifyDataSize;
    notifyData_.hWnd = targetWindow ? targetWindow : ownWindow_;
    notifyData_.uID = iconId;
    notifyData_.hIcon = icon;
    notifyData_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    notifyData_.uCallbackMessage = callbackMessage;
    lstrcpynA(notifyData_.szTip, tip, sizeof notifyData_.szTip);

    hidden_ = hidden;
    targetWindow_ = notifyData_.hWnd;
    creationFlags_ = notifyData_.uFlags;
    if (hidden) {
        return true;
    }
    const bool added = Shell_NotifyIconA(NIM_ADD, &notifyData_) != FALSE;
    removed_ = hidden_ = !added;
    // Left set after a successful add, so the icon comes back when the
    // taskbar is re-created.
    pending_ = added;
    return added;
}

bool TrayIcon::Hide()
{
    if (!enabled_ || removed_ || hidden_) {
        return true;
    }
    Remove();
    return hidden_;
}

bool TrayIcon::Remove()
{
    pending_ = false;
    if (!enabled_ || removed_) {
        return true;
    }
    notifyData_.uFlags = 0;
    if (Shell_NotifyIconA(NIM_DELETE, &notifyData_)) {
        hidden_ = removed_ = true;
    }
    return removed_;
}

bool TrayIcon::SetDefaultMenuItem(UINT item, bool byPosition)
{
    if (item == defaultItem_ && byPosition == defaultByPosition_) {
        return true;
    }
    defaultItem_ = item;
    defaultByPosition_ = byPosition;
    HMENU submenu = nullptr;
    UniqueMenu menu = LoadTrayMenu(instance_, notifyData_.uID, &submenu);
    if (!menu) {
        return false;
    }
    SetMenuDefaultItem(submenu, item, byPosition);
    return true;
}

bool TrayIcon::ShowMenu(HWND commandWindow)
{
    HMENU submenu = nullptr;
    UniqueMenu menu = LoadTrayMenu(instance_, notifyData_.uID, &submenu);
    if (!menu) {
        return false;
    }
    SetMenuDefaultItem(submenu, defaultItem_, defaultByPosition_);
    POINT cursor = {};
    GetCursorPos(&cursor);
    // Without the foreground the menu would not close on a click elsewhere.
    SetForegroundWindow(notifyData_.hWnd);
    TrackPopupMenu(submenu, 0, cursor.x, cursor.y, 0, commandWindow, nullptr);
    PostMessageA(notifyData_.hWnd, WM_NULL, 0, 0);
    return true;
}

// The command of the default item; false if it is a position and the menu
// to look it up in is missing.
bool TrayIcon::DefaultCommand(UINT* command)
{
    if (!defaultByPosition_) {
        *command = defaultItem_;
        return true;
    }
    HMENU submenu = nullptr;
    UniqueMenu menu = LoadTrayMenu(instance_, notifyData_.uID, &submenu);
    if (!menu) {
        return false;
    }
    *command = GetMenuItemID(submenu, static_cast<int>(defaultItem_));
    return true;
}

LRESULT TrayIcon::OnTrayNotification(WPARAM wParam, LPARAM lParam)
{
    if (wParam != notifyData_.uID) {
        return 0;
    }
    const HWND commandWindow = CommandWindow();
    if (!commandWindow) {
        return 0;
    }
    switch (LOWORD(lParam)) {
    case WM_RBUTTONUP:
        if (!ShowMenu(commandWindow)) {
            return 0;
        }
        break;
    case WM_LBUTTONDBLCLK: {
        SetForegroundWindow(notifyData_.hWnd);
        UINT command = 0;
        if (!DefaultCommand(&command)) {
            return 0;
        }
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
    if (!pending_ || hidden_) {
        return;
    }
    notifyData_.uFlags = creationFlags_;
    // After a mere work-area change the icon is still there and the shell
    // refuses to add it twice; it counts as shown if it can be modified.
    const bool shown = Shell_NotifyIconA(NIM_ADD, &notifyData_) || Shell_NotifyIconA(NIM_MODIFY, &notifyData_);
    hidden_ = !shown;
    pending_ = shown;
}

const WNDPROC TrayIcon::OwnWindowProc = BoundWindowProc<TrayIcon, &TrayIcon::ownWindow_, &TrayIcon::HandleMessage>;

LRESULT TrayIcon::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kTaskbarCreatedMessage) {
        ReAdd();
        return 0;
    }
    if (message == WM_SETTINGCHANGE) {
        if (wParam == SPI_SETWORKAREA) {
            ReAdd();
        }
        return 0;
    }
    if (message == notifyData_.uCallbackMessage && message != 0) {
        return OnTrayNotification(wParam, lParam);
    }
    const HWND window = ownWindow_;
    if (message == WM_NCDESTROY) {
        UnbindWindow(window);
        ownWindow_ = nullptr;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
