// Installing and removing the clock component inside the shell, on the
// thread that owns the taskbar clock. Each request ends by setting the
// event "HoralumeHookComplete" once, whatever its outcome.
#pragma once

#include <windows.h>

// Whether a message seen by the hook is the loader's request: the
// WM_WININICHANGE (0, 0) it sends to the taskbar.
bool IsLoaderRequest(const CWPSTRUCT* message);

// A failed installation undoes every step it took (no mutex, no subclass,
// no server stays) and says why through Trace; the loader then finds no
// mutex "HoralumeDllInstalled".
void InstallComponent();
void RemoveComponent();

class ClockMenu;
class ElementServer;

// For the callbacks that carry no context (DDEML's, the menu's hook) and
// nothing else: the pieces of the installed component, null while none is.
ElementServer* InstalledServer();
ClockMenu* InstalledMenu();
