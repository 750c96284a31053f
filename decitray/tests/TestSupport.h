// Helpers of Decitray's tests: the tray icon as the shell knows it, window texts.
#pragma once

#include "taskbar/testing/TaskbarTestKit.h"

#include <windows.h>

#include <shellapi.h>

#include <string>

using testkit::PumpMessagesFor;
using testkit::WaitUntil;

// Whether the shell knows an icon of this window and id: modifying nothing
// succeeds only for an icon that is there.
inline bool TrayIconExists(HWND window, UINT id)
{
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data.hWnd = window;
    data.uID = id;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

inline std::string WindowTextOf(HWND window)
{
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}
