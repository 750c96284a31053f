#include "win32/Trace.h"

#include "win32/Win32Handles.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>

// A debug-output viewer waits on this event for the next line.
static bool SomeoneListens()
{
    if (IsDebuggerPresent()) {
        return true;
    }
    return static_cast<bool>(UniqueHandle(OpenEventA(SYNCHRONIZE, FALSE, "DBWIN_BUFFER_READY")));
}

void Trace(const char* format, ...)
{
    if (!SomeoneListens()) {
        return;
    }
    char line[512];
    va_list arguments;
    va_start(arguments, format);
    int length = std::vsnprintf(line, sizeof line - 2, format, arguments);
    va_end(arguments);
    if (length < 0) {
        return;
    }
    if (length > static_cast<int>(sizeof line) - 3) {
        length = static_cast<int>(sizeof line) - 3; // cut, as vsnprintf did
    }
    line[length] = '\n';
    line[length + 1] = '\0';
    OutputDebugStringA(line);
}
