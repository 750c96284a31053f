// The program's icon in the taskbar's notification area, its popup menu and
// the hidden "TrayIconClass" window that hears the shell's broadcasts.
#pragma once

#include <windows.h>

class TrayIcon {
public:
    TrayIcon();
    virtual ~TrayIcon();

    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Adds the icon unless hidden is asked for. The icon id doubles as the id
    // of the menu resource shown on a right click.
    bool Create(HINSTANCE instance, HWND targetWindow, UINT callbackMessage, const char* tip, HICON icon, UINT iconId,
                bool hidden);
    bool Hide();
    bool Remove();
    bool SetDefaultMenuItem(UINT item, bool byPosition);
    virtual LRESULT OnTrayNotification(WPARAM wParam, LPARAM lParam);
    // Adds the icon again after the taskbar was re-created.
    void ReAdd();

    bool IsShown() const { return !hidden && !removed; }
    HWND OwnWindow() const { return ownWindow; }

private:
    friend LRESULT CALLBACK TrayWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND CommandWindow() const { return targetWindow ? targetWindow : notifyData.hWnd; }
    bool ShowMenu(HWND commandWindow);
    bool DefaultCommand(UINT* command);

    NOTIFYICONDATAA notifyData;
    HINSTANCE instance = nullptr;
    HWND ownWindow = nullptr;
    HWND targetWindow = nullptr;
    bool enabled = false;
    bool hidden = true;
    bool removed = true;
    UINT creationFlags = 0;
    UINT defaultItem = 0;
    bool defaultByPosition = true;
    bool pending = false;
};

LRESULT CALLBACK TrayWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
