// A stand-in for the clock component whose hand-shake the tests control, for
// Horalume's failure cases. Before each request it reads, from
// HKCU\Software\HoralumeFakeComponent, "InstallDelay" or "RemoveDelay": the
// milliseconds before it reports (absent: at once; 0xFFFFFFFF: never); with
// "InstallFails" non-zero it reports an installation without staying, as a
// component that cannot install does. Built twice: once with both hook
// procedures, once without the one that removes.
#include <windows.h>

static const char kControlKey[] = "Software\\HoralumeFakeComponent";
static const DWORD kNever = 0xFFFFFFFF;
static HANDLE g_installedMutex = nullptr;

static DWORD ReadDelay(const char* name)
{
    DWORD delay = 0;
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kControlKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
        DWORD type = 0;
        DWORD size = sizeof delay;
        if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&delay), &size) != ERROR_SUCCESS ||
            type != REG_DWORD) {
            delay = 0;
        }
        RegCloseKey(key);
    }
    return delay;
}

static void SetCompletionEvent()
{
    HANDLE completed = OpenEventA(EVENT_MODIFY_STATE, FALSE, "HoralumeHookComplete");
    if (completed != nullptr) {
        SetEvent(completed);
        CloseHandle(completed);
    }
}

static DWORD WINAPI ReportLater(LPVOID delay)
{
    Sleep(static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(delay)));
    SetCompletionEvent();
    return 0;
}

static void Report(const char* delayName)
{
    const DWORD delay = ReadDelay(delayName);
    if (delay == kNever) {
        return;
    }
    if (delay == 0) {
        SetCompletionEvent();
        return;
    }
    HANDLE thread =
        CreateThread(nullptr, 0, ReportLater, reinterpret_cast<LPVOID>(static_cast<ULONG_PTR>(delay)), 0, nullptr);
    if (thread != nullptr) {
        CloseHandle(thread);
    }
}

static bool IsRequest(int code, LPARAM lParam)
{
    return code == HC_ACTION && reinterpret_cast<const CWPSTRUCT*>(lParam)->message == WM_WININICHANGE;
}

extern "C" __declspec(dllexport) LRESULT CALLBACK HoralumeHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (IsRequest(code, lParam) && g_installedMutex == nullptr && ReadDelay("InstallFails") != 0) {
        SetCompletionEvent();
    } else if (IsRequest(code, lParam) && g_installedMutex == nullptr) {
        HMODULE self; // stays loaded once Horalume lets go of its hook
        GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCSTR>(&HoralumeHookProc), &self);
        g_installedMutex = CreateMutexA(nullptr, FALSE, "HoralumeDllInstalled");
        Report("InstallDelay");
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

#ifndef FAKE_WITHOUT_UNHOOK
extern "C" __declspec(dllexport) LRESULT CALLBACK HoralumeUnhookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (IsRequest(code, lParam) && g_installedMutex != nullptr) {
        CloseHandle(g_installedMutex);
        g_installedMutex = nullptr;
        Report("RemoveDelay");
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
#endif
