// The shell's windows as the component sees them from the shell's thread:
// which taskbar is the primary one, what class a window is, and the window
// events of this thread.
#pragma once

#include <windows.h>

#include <initializer_list>

bool IsPrimaryTaskbar(HWND taskbar);

// The first taskbar of this thread that has a clock to show ours on.
HWND PrimaryTaskbarOfThisThread();

bool HasClassOf(HWND window, std::initializer_list<const char*> classes);

// Out of context, for this thread only: the callback runs on the shell's
// thread as it takes its messages.
HWINEVENTHOOK HookShellWindowEvent(DWORD event, WINEVENTPROC callback);
