// Starting another program without waiting for it.
#pragma once

#include <windows.h>

// Starts program (a path) with commandLine (null: none) in directory (null:
// ours). Returns the new process's id, or 0 when it could not start.
DWORD StartProgram(const char* program, const char* commandLine, const char* directory);
