#include "taskbar/TaskbarStates.h"

#include "taskbar/TaskbarParts.h"
#include "win32/RegKey.h"
#include "win32/Win32Handles.h"

// The system theme only takes the value away, never making the key: a
// machine that never had one keeps its registry as it was.
void WriteTheme(StandInTheme theme)
{
    if (theme == StandInTheme::System) {
        HKEY opened = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kThemeKey, 0, KEY_SET_VALUE, &opened) == ERROR_SUCCESS) {
            UniqueRegKey key(opened);
            RegDeleteValueA(key.Get(), kLightThemeValue);
        }
        return;
    }
    RegKeyWriter key;
    if (key.Create(HKEY_CURRENT_USER, kThemeKey)) {
        key.WriteDword(kLightThemeValue, theme == StandInTheme::Light ? 1 : 0);
    }
}

HBRUSH ThemeBrush(StandInTheme theme)
{
    static const HBRUSH dark = CreateSolidBrush(kDarkTaskbarColour);
    static const HBRUSH light = CreateSolidBrush(kLightTaskbarColour);
    switch (theme) {
    case StandInTheme::Dark:
        return dark;
    case StandInTheme::Light:
        return light;
    case StandInTheme::System:
        break;
    }
    return reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
}

// Only windows of this program's classes: the component's overlay, a child
// of the taskbar too, keeps its own background.
static BOOL CALLBACK TakeBackground(HWND window, LPARAM brush)
{
    if (GetClassLongPtrA(window, GCLP_HMODULE) == reinterpret_cast<ULONG_PTR>(GetModuleHandleA(nullptr))) {
        SetClassLongPtrA(window, GCLP_HBRBACKGROUND, brush);
    }
    return TRUE;
}

void PaintInTheme(HWND taskbar, StandInTheme theme)
{
    const LPARAM brush = reinterpret_cast<LPARAM>(ThemeBrush(theme));
    TakeBackground(taskbar, brush);
    EnumChildWindows(taskbar, TakeBackground, brush);
    RedrawWindow(taskbar, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
}

void BroadcastThemeChange()
{
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>("ImmersiveColorSet"),
                        SMTO_ABORTIFHUNG, 2000, &ignored);
}

HWND OpenFullScreen(HINSTANCE instance, const RECT& monitor, HWND taskbar)
{
    HWND window = CreateWindowExA(0, kFullScreenClass, "", WS_POPUP | WS_VISIBLE, monitor.left, monitor.top,
                                  monitor.right - monitor.left, monitor.bottom - monitor.top, nullptr, nullptr,
                                  instance, nullptr);
    if (window == nullptr) {
        return nullptr;
    }
    // As the shell does for a full-screen program: the taskbar goes behind it.
    const UINT keep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    SetWindowPos(taskbar, HWND_NOTOPMOST, 0, 0, 0, 0, keep);
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(window);
    return window;
}

void CloseFullScreen(HWND fullScreen, HWND taskbar)
{
    DestroyWindow(fullScreen);
    SetWindowPos(taskbar, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void StayHung()
{
    MSG none;
    PeekMessageA(&none, nullptr, 0, 0, PM_NOREMOVE);
    for (;;) {
        Sleep(INFINITE);
    }
}
