#include "taskbar/testing/ChildProcess.h"

#include "taskbar/testing/TaskbarTestKit.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace testkit {

// Far beyond a run that pokes a few elements, each with a 1000 ms time-out.
static const DWORD kChildTimeLimitMs = 30000;

// Quotes one argument so that the C runtime's split gives it back unchanged:
// backslashes double only where a quote follows them.
static void AppendQuoted(std::string& commandLine, const std::string& argument)
{
    commandLine += '"';
    std::size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
        } else {
            if (c == '"') {
                commandLine.append(backslashes + 1, '\\');
            }
            backslashes = 0;
        }
        commandLine += c;
    }
    commandLine.append(backslashes, '\\');
    commandLine += '"';
}

static std::string ReadToEnd(HANDLE pipe)
{
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        text.append(buffer, got);
    }
    return text;
}

ChildResult RunChild(const std::string& program, const std::vector<std::string>& arguments)
{
    ChildResult result{~0u, {}, {}};
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE ends[4] = {};
    if (!CreatePipe(&ends[0], &ends[1], &inheritable, 0) || !CreatePipe(&ends[2], &ends[3], &inheritable, 0)) {
        ADD_FAILURE() << "CreatePipe failed: " << GetLastError();
    }
    UniqueHandle outRead(ends[0]), outWrite(ends[1]), errRead(ends[2]), errWrite(ends[3]);
    if (!errWrite) {
        return result;
    }
    SetHandleInformation(outRead.Get(), HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(errRead.Get(), HANDLE_FLAG_INHERIT, 0);

    std::string commandLine;
    AppendQuoted(commandLine, program);
    for (const std::string& argument : arguments) {
        commandLine += ' ';
        AppendQuoted(commandLine, argument);
    }

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = outWrite.Get();
    startup.hStdError = errWrite.Get();
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &process)) {
        ADD_FAILURE() << "cannot start " << program << ": " << GetLastError();
        return result;
    }
    UniqueHandle processHandle(process.hProcess);
    UniqueHandle threadHandle(process.hThread);
    // Only the child holds the write ends now, so reading ends when it does.
    outWrite.Reset();
    errWrite.Reset();

    // A child that hangs is ended: its pipes close, reading ends, and it
    // does not outlive the test.
    std::atomic<bool> hung{false};
    std::thread watchdog([&] {
        if (WaitForSingleObject(processHandle.Get(), kChildTimeLimitMs) == WAIT_TIMEOUT) {
            hung = true;
            TerminateProcess(processHandle.Get(), ~0u);
        }
    });
    result.output = ReadToEnd(outRead.Get());
    result.errors = ReadToEnd(errRead.Get());
    watchdog.join();
    if (hung) {
        ADD_FAILURE() << program << " did not end within " << kChildTimeLimitMs << " ms";
    }
    WaitForSingleObject(processHandle.Get(), INFINITE);
    GetExitCodeProcess(processHandle.Get(), &result.exitCode);
    return result;
}

bool ChildProcess::Start(const char* program, const std::string& commandLine, const std::string& directory)
{
    End();
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    std::string line = commandLine;
    if (!CreateProcessA(program, line.empty() ? nullptr : &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                        directory.empty() ? nullptr : directory.c_str(), &startup, &info)) {
        return false;
    }
    UniqueHandle thread(info.hThread);
    process_.Reset(info.hProcess);
    id_ = info.dwProcessId;
    // A GUI program has made its first windows once it waits for input.
    WaitForInputIdle(process_.Get(), 5000);
    return true;
}

bool ChildProcess::IsRunning() const
{
    return process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

int ChildProcess::WaitForExit(DWORD milliseconds)
{
    if (!process_ || !WaitUntil([&] { return !IsRunning(); }, milliseconds)) {
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.Get(), &code);
    return static_cast<int>(code);
}

void ChildProcess::End()
{
    if (IsRunning()) {
        TerminateProcess(process_.Get(), 1);
        WaitForSingleObject(process_.Get(), 5000);
    }
    process_.Reset();
    id_ = 0;
}

namespace {
struct WindowSearch {
    DWORD processId;
    const char* className;
    const char* title;
    HWND found;
};
} // namespace

static BOOL CALLBACK MatchWindow(HWND window, LPARAM context)
{
    WindowSearch& search = *reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char text[256] = {};
    if (owner != search.processId) {
        return TRUE;
    }
    if (search.className && (GetClassNameA(window, text, sizeof text), lstrcmpA(text, search.className) != 0)) {
        return TRUE;
    }
    if (search.title && (GetWindowTextA(window, text, sizeof text), lstrcmpA(text, search.title) != 0)) {
        return TRUE;
    }
    search.found = window;
    return FALSE;
}

HWND ChildProcess::FindWindowOf(const char* className, const char* title) const
{
    WindowSearch search = {id_, className, title, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ChildProcess::WaitForWindow(const char* className, const char* title, DWORD milliseconds) const
{
    HWND found = nullptr;
    WaitUntil(
        [&] {
            found = FindWindowOf(className, title);
            return found && IsWindowVisible(found);
        },
        milliseconds);
    return found && IsWindowVisible(found) ? found : nullptr;
}

} // namespace testkit
