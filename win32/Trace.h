// Diagnostics for code that has nowhere to show them (the clock component
// runs inside the shell): one line to the debugger or a debug-output viewer.
#pragma once

// printf-like; a line end is added. Formats nothing unless a debugger or a
// debug-output viewer is listening.
void Trace(const char* format, ...) __attribute__((format(printf, 1, 2)));
