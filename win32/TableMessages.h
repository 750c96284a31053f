// Message boxes whose text and caption both come from a module's string table.
#pragma once

#include <windows.h>

// Returns MessageBoxA's answer.
int ShowTableMessage(HINSTANCE instance, HWND owner, UINT textId, UINT captionId, UINT type);
// A warning box: the text from the string table, then the system's words for error.
void ShowTableError(HINSTANCE instance, HWND owner, UINT textId, UINT captionId, DWORD error);
