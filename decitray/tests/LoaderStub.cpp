// Stands in for Horalume\Horalume.exe in tests: notes each start in
// "started.log" beside itself and exits.
#include "Win32Handles.h"

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
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    UniqueHandle log(file);
    DWORD written = 0;
    WriteFile(log.Get(), "started\r\n", 9, &written, nullptr);
    return 0;
}
