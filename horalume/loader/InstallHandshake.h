// Installing or removing the clock component in the shell's process through
// a hand-shake with it.
#pragma once

#include "win32/TaskbarClock.h"

#include <windows.h>

// The hand-shake with the shell that runs clock, a taskbar as FindLoaderClock
// found it. Each shows its own message on failure.
// True when the component reported and holds the mutex that says it stayed.
bool InstallComponent(HINSTANCE instance, const TaskbarClock& clock);
// True when the component reported that it is gone.
bool RemoveComponent(HINSTANCE instance, const TaskbarClock& clock);

// The component holds the mutex "HoralumeDllInstalled" while it is installed.
bool IsComponentInstalled();
