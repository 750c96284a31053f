// Horalume's message boxes: text and caption both from its string table.
#pragma once

#include <windows.h>

// Returns MessageBoxA's answer.
int ShowLoaderMessage(HINSTANCE instance, HWND owner, UINT textId, UINT captionId, UINT type);
