#include "StartProgram.h"

#include "Win32Handles.h"

#include <string>

DWORD StartProgram(const char* program, const char* commandLine, const char* directory)
{
    // CreateProcessA may write into the command line, so it gets a copy.
    std::string line = commandLine ? commandLine : "";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(program, commandLine ? &line[0] : nullptr, nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                        nullptr, directory, &startup, &process)) {
        return 0;
    }
    UniqueHandle thread(process.hThread);
    UniqueHandle child(process.hProcess);
    return process.dwProcessId;
}
