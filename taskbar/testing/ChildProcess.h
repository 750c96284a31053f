// Programs under test run as child processes: a console program run to its end
// with its output collected, or a GUI program started and watched.
#pragma once

#include "taskbar/testing/BuildPaths.h"
#include "win32/Win32Handles.h"

#include <windows.h>

#include <string>
#include <vector>

namespace testkit {

struct ChildResult {
    DWORD exitCode;
    std::string output; // standard output, byte for byte
    std::string errors; // standard error
};

// Each argument reaches the child's argv unchanged. Fails the calling test
// (and returns exit code ~0) if the program cannot be started or hangs.
ChildResult RunChild(const std::string& program, const std::vector<std::string>& arguments);

// A started program; ended on End or destruction if it still runs, so a
// failing test leaves nothing behind.
class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess() { End(); }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // program may be null (the command line names it); directory empty: ours.
    bool Start(const char* program, const std::string& commandLine, const std::string& directory);
    bool Started() const { return static_cast<bool>(process_); }
    bool IsRunning() const;
    HANDLE Handle() const { return process_.Get(); }
    DWORD Id() const { return id_; }
    // The exit code, or -1 if it still runs after the time.
    int WaitForExit(DWORD milliseconds = 5000);
    // Ends it if it still runs.
    void End();

    // A top-level window of this process with the class and title (null
    // matches any); WaitForWindow waits for a visible one.
    HWND FindWindowOf(const char* className, const char* title) const;
    HWND WaitForWindow(const char* className, const char* title, DWORD milliseconds = 5000) const;

private:
    UniqueHandle process_;
    DWORD id_ = 0;
};

} // namespace testkit
