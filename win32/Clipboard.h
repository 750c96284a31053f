// Putting text on the clipboard.
#pragma once

#include <windows.h>

#include <string>

// Replaces the clipboard's contents with text in CF_TEXT, owned by owner
// (may be null). Waits a little for another program that holds the clipboard;
// false when it stays busy or memory runs out.
bool CopyTextToClipboard(HWND owner, const std::string& text);
