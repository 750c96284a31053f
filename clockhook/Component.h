// Installing and removing the clock component inside the shell, on the
// thread that owns the taskbar clock. Each request ends by setting the
// event "HoralumeHookComplete" once, whatever its outcome.
#pragma once

#include <windows.h>

// Whether a message seen by the hook is the loader's request: the
// WM_WININICHANGE (0, 0) it sends to the taskbar.
bool IsLoaderRequest(const CWPSTRUCT* message);

void InstallComponent();
void RemoveComponent();

// The clock window is being destroyed under an installed component (the
// shell is closing): let go of everything but the library itself.
void OnClockDestroyed();
