// Runs Decitray.exe in a temporary current directory that holds, unless
// asked otherwise, a stub "Horalume\Horalume.exe" recording its starts.
// Whatever is still running at the end is closed, or ended.
#pragma once

#include "taskbar/testing/ChildProcess.h"

#include <windows.h>

#include <string>

class DecitrayDirectory {
public:
    explicit DecitrayDirectory(bool withLoader = true);
    ~DecitrayDirectory();
    DecitrayDirectory(const DecitrayDirectory&) = delete;
    DecitrayDirectory& operator=(const DecitrayDirectory&) = delete;

    const std::string& Path() const { return path_; }
    int LoaderStarts() const;

private:
    std::string path_;
};

class DecitrayProcess {
public:
    explicit DecitrayProcess(const DecitrayDirectory& directory);
    ~DecitrayProcess();
    DecitrayProcess(const DecitrayProcess&) = delete;
    DecitrayProcess& operator=(const DecitrayProcess&) = delete;

    bool Started() const { return child_.Started(); }
    // The exit code, or -1 if it is still running after the time.
    int WaitForExit(DWORD milliseconds = 5000) { return child_.WaitForExit(milliseconds); }
    // A visible top-level window of this process with the class and title
    // (null matches any), waited for.
    HWND WaitForWindow(const char* className, const char* title, DWORD milliseconds = 5000) const
    {
        return child_.WaitForWindow(className, title, milliseconds);
    }
    HWND FindWindowOf(const char* className, const char* title) const { return child_.FindWindowOf(className, title); }
    HWND MainWindow(DWORD milliseconds = 5000) const;

private:
    testkit::ChildProcess child_;
};
