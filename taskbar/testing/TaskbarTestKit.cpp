#include "TaskbarTestKit.h"

#include "HookApi.h"
#include "StandInTaskbar.h"

#include <ddeml.h>

#include <cstring>
#include <utility>
#include <vector>

namespace testkit {

namespace {

constexpr DWORD kPollMs = 20;

// The first window of the class that belongs to the process, searched
// among top-level windows or the children of parent.
HWND FindOwnedWindow(HWND parent, const char* className, DWORD processId)
{
    HWND window = nullptr;
    while ((window = FindWindowExA(parent, window, className, nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId)
            return window;
    }
    return nullptr;
}

class DdeClient {
public:
    DdeClient()
    {
        if (DdeInitializeA(&instance_, Callback, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) {
            instance_ = 0;
            return;
        }
        HSZ service = DdeCreateStringHandleA(instance_, hookapi::kServiceName, CP_WINANSI);
        HSZ topic = DdeCreateStringHandleA(instance_, hookapi::kTopicName, CP_WINANSI);
        conversation_ = DdeConnect(instance_, service, topic, nullptr);
        DdeFreeStringHandle(instance_, service);
        DdeFreeStringHandle(instance_, topic);
    }
    ~DdeClient()
    {
        if (conversation_ != nullptr)
            DdeDisconnect(conversation_);
        if (instance_ != 0)
            DdeUninitialize(instance_);
    }
    DdeClient(const DdeClient&) = delete;
    DdeClient& operator=(const DdeClient&) = delete;

    DWORD Instance() const { return instance_; }
    HCONV Conversation() const { return conversation_; }

private:
    static HDDEDATA CALLBACK Callback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) { return nullptr; }

    DWORD instance_ = 0;
    HCONV conversation_ = nullptr;
};

bool HookClock(const std::string& dllPath, const char* procName, DWORD timeoutMs)
{
    HWND clock = FindClockWindow();
    HWND tray = clock != nullptr ? GetAncestor(clock, GA_ROOT) : nullptr;
    DWORD thread = clock != nullptr ? GetWindowThreadProcessId(clock, nullptr) : 0;
    if (thread == 0)
        return false;
    HMODULE library = LoadLibraryA(dllPath.c_str());
    if (library == nullptr)
        return false;
    bool done = false;
    HOOKPROC proc = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(library, procName)));
    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, hookapi::kHookCompleteEvent);
    HHOOK hook =
        (proc != nullptr && event != nullptr) ? SetWindowsHookExA(WH_CALLWNDPROC, proc, library, thread) : nullptr;
    if (hook != nullptr) {
        DWORD_PTR ignored;
        SendMessageTimeoutA(tray, WM_WININICHANGE, 0, 0, SMTO_NORMAL, timeoutMs, &ignored);
        done = WaitForSingleObject(event, timeoutMs) == WAIT_OBJECT_0;
        if (done)
            Sleep(100);
        UnhookWindowsHookEx(hook);
    }
    if (event != nullptr)
        CloseHandle(event);
    FreeLibrary(library);
    return done;
}

} // namespace

bool StandInTaskbar::Start(ClockMode mode, DWORD timeoutMs)
{
    Stop();
    std::string commandLine = std::string("\"") + TASKBAR_EXE_PATH + "\"";
    if (mode == ClockMode::None)
        commandLine += std::string(" ") + kNoClockSwitch;
    else if (mode == ClockMode::Hidden)
        commandLine += std::string(" ") + kHiddenClockSwitch;

    // The job ends the taskbar even when the test process dies first.
    job_ = CreateJobObjectA(nullptr, nullptr);
    if (job_ != nullptr) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    }
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back('\0');
    if (!CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr,
                        &startup, &info))
        return false;
    if (job_ != nullptr)
        AssignProcessToJobObject(job_, info.hProcess);
    ResumeThread(info.hThread);
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;

    for (DWORD waited = 0; waited <= timeoutMs; waited += kPollMs) {
        tray_ = FindOwnedWindow(nullptr, hookapi::kTrayWindowClass, processId_);
        HWND notify = tray_ ? FindWindowExA(tray_, nullptr, hookapi::kNotifyWindowClass, nullptr) : nullptr;
        clock_ = notify ? FindWindowExA(notify, nullptr, hookapi::kClockWindowClass, nullptr) : nullptr;
        if (clock_ != nullptr || (mode == ClockMode::None && notify != nullptr))
            return true;
        if (WaitForSingleObject(process_, kPollMs) == WAIT_OBJECT_0)
            break;
    }
    Stop();
    return false;
}

bool StandInTaskbar::Stop(DWORD timeoutMs)
{
    bool closedItself = false;
    if (process_ != nullptr) {
        if (tray_ != nullptr)
            PostMessageA(tray_, WM_CLOSE, 0, 0);
        closedItself = tray_ != nullptr && WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
        if (!closedItself) {
            TerminateProcess(process_, 1);
            WaitForSingleObject(process_, timeoutMs);
        }
        CloseHandle(process_);
    }
    if (job_ != nullptr) {
        TerminateJobObject(job_, 1);
        CloseHandle(job_);
    }
    job_ = nullptr;
    process_ = nullptr;
    processId_ = 0;
    tray_ = nullptr;
    clock_ = nullptr;
    return closedItself;
}

bool StandInTaskbar::IsRunning() const
{
    return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
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
    HWND tray = nullptr;
    while ((tray = FindWindowExA(nullptr, tray, hookapi::kTrayWindowClass, nullptr)) != nullptr) {
        HWND notify = FindWindowExA(tray, nullptr, hookapi::kNotifyWindowClass, nullptr);
        HWND clock = notify ? FindWindowExA(notify, nullptr, hookapi::kClockWindowClass, nullptr) : nullptr;
        if (clock != nullptr)
            return clock;
    }
    return nullptr;
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
    HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, hookapi::kInstalledMutex);
    if (mutex == nullptr)
        return false;
    CloseHandle(mutex);
    return true;
}

std::string ClockText()
{
    HWND clock = FindClockWindow();
    if (clock == nullptr)
        return std::string();
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(clock, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 5000, &length))
        return std::string();
    std::vector<char> buffer(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(clock, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), SMTO_NORMAL,
                             5000, &copied))
        return std::string();
    return std::string(buffer.data(), copied < buffer.size() ? copied : buffer.size() - 1);
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(kPollMs);
    }
}

bool WaitForClockText(const std::function<bool(const std::string&)>& accept, DWORD timeoutMs, std::string* last)
{
    return WaitUntil(
        [&] {
            std::string text = ClockText();
            bool accepted = accept(text);
            if (last != nullptr)
                *last = std::move(text);
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
    DdeClient client;
    if (client.Conversation() == nullptr)
        return false;
    HSZ item = DdeCreateStringHandleA(client.Instance(), name.c_str(), CP_WINANSI);
    HDDEDATA result = DdeClientTransaction(static_cast<LPBYTE>(const_cast<void*>(data)), size, client.Conversation(),
                                           item, format, XTYP_POKE, hookapi::kPokeTimeoutMs, nullptr);
    DdeFreeStringHandle(client.Instance(), item);
    return result != nullptr;
}

bool PokeElement(const std::string& name, const std::string& value)
{
    return PokeData(name, value.c_str(), static_cast<DWORD>(value.size() + 1), CF_TEXT);
}

std::optional<std::string> RequestElement(const std::string& name)
{
    DdeClient client;
    if (client.Conversation() == nullptr)
        return std::nullopt;
    HSZ item = DdeCreateStringHandleA(client.Instance(), name.c_str(), CP_WINANSI);
    HDDEDATA data = DdeClientTransaction(nullptr, 0, client.Conversation(), item, CF_TEXT, XTYP_REQUEST,
                                         hookapi::kPokeTimeoutMs, nullptr);
    DdeFreeStringHandle(client.Instance(), item);
    if (data == nullptr)
        return std::nullopt;
    DWORD size = 0;
    const BYTE* bytes = DdeAccessData(data, &size);
    std::string value;
    if (bytes != nullptr) {
        const void* nul = std::memchr(bytes, '\0', size);
        value.assign(reinterpret_cast<const char*>(bytes),
                     nul ? static_cast<const BYTE*>(nul) - bytes : static_cast<std::ptrdiff_t>(size));
        DdeUnaccessData(data);
    }
    DdeFreeDataHandle(data);
    return value;
}

LRESULT SendCopyData(ULONG_PTR dwData, const void* data, DWORD size)
{
    HWND clock = FindClockWindow();
    if (clock == nullptr)
        return 0;
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

static LPARAM ClockMiddle(HWND clock)
{
    RECT client;
    GetClientRect(clock, &client);
    return MAKELPARAM(client.right / 2, client.bottom / 2);
}

void ClickClock()
{
    HWND clock = FindClockWindow();
    PostMessageA(clock, WM_LBUTTONDOWN, MK_LBUTTON, ClockMiddle(clock));
    PostMessageA(clock, WM_LBUTTONUP, 0, ClockMiddle(clock));
}

void DoubleClickClock()
{
    HWND clock = FindClockWindow();
    ClickClock();
    PostMessageA(clock, WM_LBUTTONDBLCLK, MK_LBUTTON, ClockMiddle(clock));
    PostMessageA(clock, WM_LBUTTONUP, 0, ClockMiddle(clock));
}

void RightClickClock()
{
    HWND clock = FindClockWindow();
    PostMessageA(clock, WM_RBUTTONDOWN, MK_RBUTTON, ClockMiddle(clock));
    PostMessageA(clock, WM_RBUTTONUP, 0, ClockMiddle(clock));
}

std::optional<std::string> ClipboardText()
{
    if (!OpenClipboard(nullptr))
        return std::nullopt;
    std::optional<std::string> text;
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* bytes = data != nullptr ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    if (bytes != nullptr) {
        text = std::string(bytes, strnlen(bytes, GlobalSize(data)));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

bool SetClipboardText(const std::string& text)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (memory == nullptr)
        return false;
    std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    bool done = false;
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        done = SetClipboardData(CF_TEXT, memory) != nullptr;
        CloseClipboard();
    }
    if (!done)
        GlobalFree(memory);
    return done;
}

bool WaitForClipboardText(const std::string& expected, DWORD timeoutMs, std::string* last)
{
    return WaitUntil(
        [&] {
            std::optional<std::string> text = ClipboardText();
            if (last != nullptr)
                *last = text.value_or("(none)");
            return text == expected;
        },
        timeoutMs);
}

static HWND OpenMenuWindow()
{
    HWND menu = nullptr;
    while ((menu = FindWindowExA(nullptr, menu, "#32768", nullptr)) != nullptr) {
        if (IsWindowVisible(menu))
            return menu;
    }
    return nullptr;
}

std::optional<std::vector<std::string>> OpenMenuItems(DWORD timeoutMs)
{
    HWND clock = FindClockWindow();
    HWND tray = clock != nullptr ? GetAncestor(clock, GA_ROOT) : nullptr;
    UINT message = RegisterWindowMessageA(kOpenMenuItemsMessage);
    DWORD_PTR atom = 0;
    if (tray == nullptr || !WaitUntil(
                               [&] {
                                   return OpenMenuWindow() != nullptr &&
                                          SendMessageTimeoutA(tray, message, 0, 0, SMTO_NORMAL, 2000, &atom) &&
                                          atom != 0;
                               },
                               timeoutMs))
        return std::nullopt;
    char list[256] = "";
    GlobalGetAtomNameA(static_cast<ATOM>(atom), list, sizeof list);
    GlobalDeleteAtom(static_cast<ATOM>(atom));
    std::vector<std::string> items;
    std::string all = list;
    for (std::string::size_type start = 0;;) {
        std::string::size_type end = all.find('\n', start);
        items.push_back(all.substr(start, end - start));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return items;
}

bool PressMenuKeys(const std::vector<WORD>& keys)
{
    HWND menu = OpenMenuWindow();
    if (menu == nullptr)
        return false;
    for (WORD key : keys)
        PostMessageA(menu, WM_KEYDOWN, key, 0);
    return true;
}

bool WaitForMenuClosed(DWORD timeoutMs)
{
    return WaitUntil([] { return OpenMenuWindow() == nullptr; }, timeoutMs);
}

} // namespace testkit
