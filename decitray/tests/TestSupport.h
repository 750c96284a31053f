// Waiting in tests without starving the thread's windows of messages.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>

// Dispatches this thread's messages for the given time.
inline void PumpMessagesFor(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        const DWORD spent = GetTickCount() - start;
        if (spent >= milliseconds)
            return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - spent, QS_ALLINPUT);
    }
}

// Pumps messages until the condition holds or the time is up; the condition's last value.
template <typename Condition> bool WaitUntil(Condition condition, DWORD milliseconds = 5000)
{
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start >= milliseconds)
            return condition();
        PumpMessagesFor(20);
    }
    return true;
}

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
