#include "taskbar/testing/TaskbarTestKit.h"

#include "hookapi/HookApi.h"
#include "taskbar/StandInTaskbar.h"
#include "win32/ElementClient.h"
#include "win32/TaskbarClock.h"

#include <utility>
#include <vector>

namespace testkit {

static constexpr DWORD kPollMs = 20;

// The hook goes on the thread of the classic clock or, where there is none,
// of the first "Shell_TrayWnd", which the component then searches itself.
static bool HookClock(const std::string& dllPath, const char* procName, DWORD timeoutMs)
{
    const HWND taskbar = FindLoaderClock().tray;
    DWORD thread = taskbar != nullptr ? GetWindowThreadProcessId(taskbar, nullptr) : 0;
    if (thread == 0) {
        return false;
    }
    UniqueLibrary library(LoadLibraryA(dllPath.c_str()));
    if (!library) {
        return false;
    }
    HOOKPROC proc = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(library.Get(), procName)));
    UniqueHandle event(CreateEventA(nullptr, TRUE, FALSE, hookapi::kHookCompleteEvent));
    if (proc == nullptr || !event) {
        return false;
    }
    UniqueHook hook(SetWindowsHookExA(WH_CALLWNDPROC, proc, library.Get(), thread));
    if (!hook) {
        return false;
    }
    DWORD_PTR ignored;
    SendMessageTimeoutA(taskbar, WM_WININICHANGE, 0, 0, SMTO_NORMAL, timeoutMs, &ignored);
    const bool done = WaitForSingleObject(event.Get(), timeoutMs) == WAIT_OBJECT_0;
    if (done) {
        Sleep(100); // lets the component finish before our copy of it goes
    }
    return done;
}

HWND FindClockWindow()
{
    return FindLoaderClock().clock;
}

bool InstallClockComponent(const std::string& dllPath, DWORD timeoutMs)
{
    return HookClock(dllPath, hookapi::kHookProcName, timeoutMs);
}

bool RemoveClockComponent(const std::string& dllPath, DWORD timeoutMs)
{
    return HookClock(dllPath, hookapi::kUnhookProcName, timeoutMs);
}

bool IsComponentInstalled()
{
    UniqueHandle mutex(OpenMutexA(SYNCHRONIZE, FALSE, hookapi::kInstalledMutex));
    return static_cast<bool>(mutex);
}

// A window's text, asked for as another process would; empty without one.
static std::string TextOfWindow(HWND window)
{
    if (window == nullptr) {
        return std::string();
    }
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 5000, &length)) {
        return std::string();
    }
    std::vector<char> buffer(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), SMTO_NORMAL,
                             5000, &copied)) {
        return std::string();
    }
    return std::string(buffer.data(), copied < buffer.size() ? copied : buffer.size() - 1);
}

std::string ClockText()
{
    return TextOfWindow(FindClockWindow());
}

std::string SurfaceText(HWND taskbar)
{
    return TextOfWindow(ClockSurfaceOfTaskbar(taskbar));
}

void PumpMessagesFor(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        const DWORD spent = GetTickCount() - start;
        if (spent >= milliseconds) {
            return;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - spent, QS_ALLINPUT);
    }
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (condition()) {
            return true;
        }
        if (GetTickCount() - start > timeoutMs) {
            return false;
        }
        PumpMessagesFor(kPollMs);
    }
}

bool WaitForClockText(const std::function<bool(const std::string&)>& accept, DWORD timeoutMs, std::string* last)
{
    return WaitUntil(
        [&] {
            std::string text = ClockText();
            bool accepted = accept(text);
            if (last != nullptr) {
                *last = std::move(text);
            }
            return accepted;
        },
        timeoutMs);
}

bool WaitForClockText(const std::string& contained, DWORD timeoutMs, std::string* last)
{
    return WaitForClockText([&contained](const std::string& text) { return text.find(contained) != std::string::npos; },
                            timeoutMs, last);
}

bool PokeData(const std::string& name, const void* data, DWORD size, UINT format)
{
    ElementClient client;
    return client.Connect() && client.PokeData(name.c_str(), data, size, format);
}

bool PokeElement(const std::string& name, const std::string& value)
{
    return PokeData(name, value.c_str(), static_cast<DWORD>(value.size() + 1), CF_TEXT);
}

std::optional<std::string> RequestElement(const std::string& name)
{
    ElementClient client;
    std::string value;
    if (!client.Connect() || !client.Request(name.c_str(), value)) {
        return std::nullopt;
    }
    return value;
}

LRESULT SendCopyData(ULONG_PTR dwData, const void* data, DWORD size)
{
    HWND clock = FindClockWindow();
    if (clock == nullptr) {
        return 0;
    }
    COPYDATASTRUCT copy;
    copy.dwData = dwData;
    copy.cbData = size;
    copy.lpData = const_cast<void*>(data);
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(clock, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy), SMTO_NORMAL, 5000, &answer);
    return static_cast<LRESULT>(answer);
}

bool PushSettings(const ClockSettings& settings)
{
    return SendCopyData(hookapi::kSettingsCopyDataId, &settings, sizeof settings) != 0;
}

HWND FindProcessWindow(const char* className, DWORD processId)
{
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, className, nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId) {
            return window;
        }
    }
    return nullptr;
}

HWND WaitForProcessWindow(const char* className, DWORD processId, DWORD timeoutMs)
{
    HWND window = nullptr;
    WaitUntil(
        [&] {
            window = FindProcessWindow(className, processId);
            return window != nullptr && IsWindowVisible(window);
        },
        timeoutMs);
    return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

} // namespace testkit
