// Stands in for Horalume.exe in tests: notes each start as one line of
// "started.log" beside itself, the directory it was started in, and exits.
#include "win32/Win32Handles.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    char* slash = path + length;
    while (slash > path && *slash != '\\') {
        --slash;
    }
    lstrcpyA(slash, "\\started.log");
    char line[MAX_PATH + 2] = "";
    const DWORD directoryLength = GetCurrentDirectoryA(MAX_PATH, line);
    if (directoryLength == 0 || directoryLength >= MAX_PATH) {
        return 1;
    }
    lstrcatA(line, "\r\n");
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    UniqueHandle log(file);
    DWORD written = 0;
    return WriteFile(log.Get(), line, static_cast<DWORD>(lstrlenA(line)), &written, nullptr) ? 0 : 1;
}
