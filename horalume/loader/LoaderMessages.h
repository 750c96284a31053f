// Horalume's message boxes: text and caption both from its string table.
#pragma once

#include <windows.h>

// Returns MessageBoxA's answer.
int ShowLoaderMessage(HINSTANCE instance, HWND owner, UINT textId, UINT captionId, UINT type);
// A warning box: the text from the string table, then the system's words for error.
void ShowLoaderError(HINSTANCE instance, HWND owner, UINT textId, UINT captionId, DWORD error);
