// Horalume's run from start to end; the entry file only hands over.
#pragma once

#include <windows.h>

// Always returns 0, the program's exit code.
int RunHoralume(HINSTANCE instance, int argc, char** argv);

// GetVersionExA with the 148-byte structure reports the NT platform.
bool IsWindowsNT();
