#include "TaskbarTestKit.h"

#include "ElementClient.h"
#include "HookApi.h"
#include "StandInTaskbar.h"
#include "TaskbarClock.h"

#include <utility>
#include <vector>

namespace testkit {

static constexpr DWORD kPollMs = 20;

// The first window of the class that belongs to the process, searched
// among top-level windows or the children of parent.
static HWND FindOwnedWindow(HWND parent, const char* className, DWORD processId)
{
    HWND window = nullptr;
    while ((window = FindWindowExA(parent, window, className, nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId) {
            return window;
        }
    }
    return nullptr;
}

static bool HookClock(const std::string& dllPath, const char* procName, DWORD timeoutMs)
{
    const TaskbarClock found = FindTaskbarClock();
    DWORD thread = found.clock != nullptr ? GetWindowThreadProcessId(found.clock, nullptr) : 0;
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
    SendMessageTimeoutA(found.tray, WM_WININICHANGE, 0, 0, SMTO_NORMAL, timeoutMs, &ignored);
    const bool done = WaitForSingleObject(event.Get(), timeoutMs) == WAIT_OBJECT_0;
    if (done) {
        Sleep(100); // lets the component finish before our copy of it goes
    }
    return done;
}

// The job ends the taskbar even when the test process dies first.
static UniqueHandle KillOnCloseJob()
{
    UniqueHandle job(CreateJobObjectA(nullptr, nullptr));
    if (job) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(job.Get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);
    }
    return job;
}

bool StandInTaskbar::Start(ClockMode mode, DWORD timeoutMs)
{
    Stop();
    std::string commandLine = std::string("\"") + TASKBAR_EXE_PATH + "\"";
    if (mode == ClockMode::None) {
        commandLine += std::string(" ") + kNoClockSwitch;
    } else if (mode == ClockMode::Hidden) {
        commandLine += std::string(" ") + kHiddenClockSwitch;
    }
    job_ = KillOnCloseJob();
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr, &startup,
                        &info)) {
        return false;
    }
    UniqueHandle thread(info.hThread);
    process_.Reset(info.hProcess);
    processId_ = info.dwProcessId;
    if (job_) {
        AssignProcessToJobObject(job_.Get(), process_.Get());
    }
    ResumeThread(thread.Get());

    for (DWORD waited = 0; waited <= timeoutMs; waited += kPollMs) {
        const TaskbarClock parts = ClockOfTaskbar(FindOwnedWindow(nullptr, hookapi::kTrayWindowClass, processId_));
        tray_ = parts.tray;
        clock_ = parts.clock;
        if (clock_ != nullptr || (mode == ClockMode::None && parts.notify != nullptr)) {
            return true;
        }
        if (WaitForSingleObject(process_.Get(), kPollMs) == WAIT_OBJECT_0) {
            break;
        }
    }
    Stop();
    return false;
}

bool StandInTaskbar::Stop(DWORD timeoutMs)
{
    bool closedItself = false;
    if (process_) {
        if (tray_ != nullptr) {
            PostMessageA(tray_, WM_CLOSE, 0, 0);
        }
        closedItself = tray_ != nullptr && WaitForSingleObject(process_.Get(), timeoutMs) == WAIT_OBJECT_0;
        if (!closedItself) {
            TerminateProcess(process_.Get(), 1);
            WaitForSingleObject(process_.Get(), timeoutMs);
        }
    }
    if (job_) {
        TerminateJobObject(job_.Get(), 1);
    }
    job_.Reset();
    process_.Reset();
    processId_ = 0;
    tray_ = nullptr;
    clock_ = nullptr;
    return closedItself;
}

bool StandInTaskbar::IsRunning() const
{
    return process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

// Sends one of the stand-in's own messages; whether it answered 1.
static bool AsksYes(HWND tray, const char* messageName)
{
    DWORD_PTR answer = 0;
    return tray != nullptr &&
           SendMessageTimeoutA(tray, RegisterWindowMessageA(messageName), 0, 0, SMTO_NORMAL, 5000, &answer) != 0 &&
           answer == 1;
}

bool StandInTaskbar::ClockProcedureIsOriginal() const
{
    return AsksYes(tray_, kClockProcIntactMessage);
}

bool StandInTaskbar::SubclassClockOnTop() const
{
    return AsksYes(tray_, kSubclassClockMessage);
}

HWND FindClockWindow()
{
    return FindTaskbarClock().clock;
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

std::string ClockText()
{
    HWND clock = FindClockWindow();
    if (clock == nullptr) {
        return std::string();
    }
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(clock, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 5000, &length)) {
        return std::string();
    }
    std::vector<char> buffer(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(clock, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), SMTO_NORMAL,
                             5000, &copied)) {
        return std::string();
    }
    return std::string(buffer.data(), copied < buffer.size() ? copied : buffer.size() - 1);
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
    return FindOwnedWindow(nullptr, className, processId);
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
