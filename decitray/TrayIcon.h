// The program's icon in the taskbar's notification area, its popup menu and
// the hidden "TrayIconClass" window that hears the shell's broadcasts.
#pragma once

#include <windows.h>

#include <shellapi.h>

class TrayIcon {
public:
    TrayIcon() = default;
    ~TrayIcon();

    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Adds the icon unless hidden is asked for. The icon id doubles as the id
    // of the menu resource shown on a right click.
    bool Create(HINSTANCE instance, HWND targetWindow, UINT callbackMessage, const char* tip, HICON icon, UINT iconId,
                bool hidden);
    bool Hide();
    // Takes the icon out of the taskbar; the owner calls it from WM_DESTROY.
    bool Remove();
    bool SetDefaultMenuItem(UINT item, bool byPosition);
    LRESULT OnTrayNotification(WPARAM wParam, LPARAM lParam);
    // Adds the icon again after the taskbar was re-created.
    void ReAdd();

    bool IsShown() const { return !hidden_ && !removed_; }
    HWND OwnWindow() const { return ownWindow_; }

private:
    static const WNDPROC OwnWindowProc;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    HWND CommandWindow() const { return targetWindow_ ? targetWindow_ : notifyData_.hWnd; }
    bool ShowMenu(HWND commandWindow);
    bool DefaultCommand(UINT* command);

    NOTIFYICONDATAA notifyData_ = {};
    HINSTANCE instance_ = nullptr;
    HWND ownWindow_ = nullptr;
    HWND targetWindow_ = nullptr;
    bool enabled_ = false;
    bool hidden_ = true;
    bool removed_ = true;
    UINT creationFlags_ = 0;
    UINT defaultItem_ = 0;
    bool defaultByPosition_ = true;
    bool pending_ = false;
};
