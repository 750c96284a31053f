// Decitray: keeps to one copy, starts the loader, and every 400 ms pushes the
// decimal clock and date into the taskbar clock from a hidden main window.
#pragma once

#include <windows.h>

// The whole run of the program; the exit code is 0 on every path.
int RunDecitray(HINSTANCE instance);

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
