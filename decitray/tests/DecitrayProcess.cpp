#include "decitray/tests/DecitrayProcess.h"

#include "decitray/tests/TestSupport.h"
#include "resources/decitray/resource.h"
#include "taskbar/testing/FakeHoralume.h"

DecitrayDirectory::DecitrayDirectory(bool withLoader)
{
    static int serial = 0;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    path_ =
        std::string(temp) + "decitray-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
    CreateDirectoryA(path_.c_str(), nullptr);
    if (withLoader) {
        CreateDirectoryA((path_ + "\\Horalume").c_str(), nullptr);
        CopyFileA(WindowsPath(FAKE_HORALUME_EXE).c_str(), (path_ + "\\Horalume\\Horalume.exe").c_str(), FALSE);
    }
}

DecitrayDirectory::~DecitrayDirectory()
{
    testkit::DeleteFakeHoralumeLog(path_ + "\\Horalume");
    DeleteFileA((path_ + "\\Horalume\\Horalume.exe").c_str());
    RemoveDirectoryA((path_ + "\\Horalume").c_str());
    RemoveDirectoryA(path_.c_str());
}

int DecitrayDirectory::LoaderStarts() const
{
    return static_cast<int>(testkit::FakeHoralumeStarts(path_ + "\\Horalume").size());
}

DecitrayProcess::DecitrayProcess(const DecitrayDirectory& directory)
{
    child_.Start(WindowsPath(DECITRAY_EXE).c_str(), "", directory.Path());
}

// Closed as the user would, so its icon goes; ended if that does not work.
DecitrayProcess::~DecitrayProcess()
{
    if (child_.IsRunning()) {
        HWND main = FindWindowOf("Decitray", "Decitray");
        if (main) {
            PostMessageA(main, WM_COMMAND, IDM_EXIT, 0);
        }
        child_.WaitForExit(5000);
    }
}

HWND DecitrayProcess::MainWindow(DWORD milliseconds) const
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindWindowOf("Decitray", "Decitray")) != nullptr; }, milliseconds);
    return found;
}
