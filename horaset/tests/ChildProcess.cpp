#include "ChildProcess.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

// Far beyond a run that pokes a few elements, each with a 1000 ms time-out.
const DWORD kChildTimeLimitMs = 30000;

// A kernel handle closed when it goes out of scope.
class Handle {
public:
    Handle() = default;
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() { Close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    HANDLE Get() const { return handle_; }
    HANDLE* Out() { return &handle_; }
    void Close()
    {
        if (handle_) {
            CloseHandle(handle_);
            handle_ = nullptr;
        }
    }

private:
    HANDLE handle_ = nullptr;
};

// Quotes one argument so that the C runtime's split gives it back unchanged:
// backslashes double only where a quote follows them.
void AppendQuoted(std::string& commandLine, const std::string& argument)
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

std::string ReadToEnd(HANDLE pipe)
{
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        text.append(buffer, got);
    }
    return text;
}

} // namespace

ChildResult RunChild(const std::string& program, const std::vector<std::string>& arguments)
{
    ChildResult result{~0u, {}, {}};
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    Handle outRead, outWrite, errRead, errWrite;
    if (!CreatePipe(outRead.Out(), outWrite.Out(), &inheritable, 0) ||
        !CreatePipe(errRead.Out(), errWrite.Out(), &inheritable, 0)) {
        ADD_FAILURE() << "CreatePipe failed: " << GetLastError();
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
    Handle processHandle(process.hProcess);
    Handle threadHandle(process.hThread);
    // Only the child holds the write ends now, so reading ends when it does.
    outWrite.Close();
    errWrite.Close();

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
