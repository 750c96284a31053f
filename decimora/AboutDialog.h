#pragma once

#include <windows.h>

// Shows the About box modally; "OK", Escape and the close box end it.
void RunAboutDialog(HINSTANCE instance, HWND owner);
