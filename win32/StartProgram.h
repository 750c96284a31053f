// Starting another program without waiting for it.
#pragma once

#include <windows.h>

// Starts program (a path) with commandLine (null: none) in directory (null:
// ours), all in UTF-16 so that any path works. Returns the new process's id,
// or 0 when it could not start.
DWORD StartProgram(const wchar_t* program, const wchar_t* commandLine, const wchar_t* directory);
