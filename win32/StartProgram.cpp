#include "win32/StartProgram.h"

#include "win32/Win32Handles.h"

#include <string>

#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(STARTUPINFOW) == 68, "STARTUPINFO is 68 bytes on 32-bit Windows");
#endif

DWORD StartProgram(const wchar_t* program, const wchar_t* commandLine, const wchar_t* directory)
{
    // CreateProcessW may write into the command line, so it gets a copy.
    std::wstring line = commandLine ? commandLine : L"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(program, commandLine ? &line[0] : nullptr, nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                        nullptr, directory, &startup, &process)) {
        return 0;
    }
    UniqueHandle thread(process.hThread);
    UniqueHandle child(process.hProcess);
    return process.dwProcessId;
}
