// A minimal taskbar for Horalume's tests: "Shell_TrayWnd" holding
// "TrayNotifyWnd" holding "TrayClockWClass". /noclock leaves the clock out,
// /hiddenclock creates it invisible, /hung never answers a message (a shell
// whose thread is stuck). The clock counts the settings records it
// receives in its window text: "pushes=N".
#include <windows.h>

#include <cstdio>
#include <cstring>

static LRESULT CALLBACK ClockProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    static int pushes = 0;
    if (message == WM_COPYDATA && reinterpret_cast<const COPYDATASTRUCT*>(lParam)->cbData == 536) {
        char text[32];
        std::snprintf(text, sizeof text, "pushes=%d", ++pushes);
        SetWindowTextA(window, text);
        return TRUE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

static LRESULT CALLBACK TrayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

static void Register(const char* name, WNDPROC procedure)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = name;
    RegisterClassA(&windowClass);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    Register("Shell_TrayWnd", TrayProc);
    Register("TrayNotifyWnd", DefWindowProcA);
    Register("TrayClockWClass", ClockProc);
    HWND tray = CreateWindowExA(WS_EX_TOOLWINDOW, "Shell_TrayWnd", "", WS_POPUP | WS_VISIBLE, 0, 770, 1280, 30, nullptr,
                                nullptr, instance, nullptr);
    HWND notify = CreateWindowExA(0, "TrayNotifyWnd", "", WS_CHILD | WS_VISIBLE, 1100, 0, 180, 30, tray, nullptr,
                                  instance, nullptr);
    if (std::strstr(commandLine, "/noclock") == nullptr) {
        const DWORD visible = std::strstr(commandLine, "/hiddenclock") ? 0 : WS_VISIBLE;
        CreateWindowExA(0, "TrayClockWClass", "pushes=0", WS_CHILD | visible, 80, 0, 100, 30, notify, nullptr, instance,
                        nullptr);
    }
    if (std::strstr(commandLine, "/hung") != nullptr) {
        MSG none; // waiting for input once lets the test's start of it return
        PeekMessageA(&none, nullptr, 0, 0, PM_NOREMOVE);
        Sleep(INFINITE);
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        DispatchMessageA(&message);
    }
    return 0;
}
