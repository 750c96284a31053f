#include "DecitrayProcess.h"

#include "TestSupport.h"
#include "resource.h"

DecitrayDirectory::DecitrayDirectory(bool withLoader)
{
    static int serial = 0;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    path =
        std::string(temp) + "decitray-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
    CreateDirectoryA(path.c_str(), nullptr);
    if (withLoader) {
        CreateDirectoryA((path + "\\Horalume").c_str(), nullptr);
        CopyFileA(WindowsPath(LOADER_STUB_EXE).c_str(), (path + "\\Horalume\\Horalume.exe").c_str(), FALSE);
    }
}

DecitrayDirectory::~DecitrayDirectory()
{
    DeleteFileA((path + "\\Horalume\\started.log").c_str());
    DeleteFileA((path + "\\Horalume\\Horalume.exe").c_str());
    RemoveDirectoryA((path + "\\Horalume").c_str());
    RemoveDirectoryA(path.c_str());
}

int DecitrayDirectory::LoaderStarts() const
{
    HANDLE log = CreateFileA((path + "\\Horalume\\started.log").c_str(), GENERIC_READ,
                             FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (log == INVALID_HANDLE_VALUE)
        return 0;
    const DWORD size = GetFileSize(log, nullptr);
    CloseHandle(log);
    return static_cast<int>(size / 9); // one "started\r\n" a start
}

DecitrayProcess::DecitrayProcess(const DecitrayDirectory& directory)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string exe = WindowsPath(DECITRAY_EXE);
    if (!CreateProcessA(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, directory.Path().c_str(), &startup,
                        &process))
        process = PROCESS_INFORMATION();
}

DecitrayProcess::~DecitrayProcess()
{
    if (!process.hProcess)
        return;
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
        HWND main = FindWindowOf("Decitray", "Decitray");
        if (main)
            PostMessageA(main, WM_COMMAND, IDM_EXIT, 0);
        if (WaitForSingleObject(process.hProcess, 5000) == WAIT_TIMEOUT) {
            TerminateProcess(process.hProcess, 1);
            WaitForSingleObject(process.hProcess, 3000);
        }
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

int DecitrayProcess::WaitForExit(DWORD milliseconds)
{
    if (!WaitUntil([&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; }, milliseconds))
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    return static_cast<int>(code);
}

namespace {
struct WindowSearch {
    DWORD processId;
    const char* className;
    const char* title;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM context)
{
    WindowSearch& search = *reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.processId)
        return TRUE;
    char className[256] = {};
    GetClassNameA(window, className, sizeof className);
    if (search.className && lstrcmpA(className, search.className) != 0)
        return TRUE;
    if (search.title && WindowTextOf(window) != search.title)
        return TRUE;
    search.found = window;
    return FALSE;
}
} // namespace

HWND DecitrayProcess::FindWindowOf(const char* className, const char* title) const
{
    WindowSearch search = {process.dwProcessId, className, title, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND DecitrayProcess::WaitForWindow(const char* className, const char* title, DWORD milliseconds) const
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

HWND DecitrayProcess::MainWindow(DWORD milliseconds) const
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindWindowOf("Decitray", "Decitray")) != nullptr; }, milliseconds);
    return found;
}
