// Installing or removing the clock component in the shell's process through
// a hand-shake with it.
#pragma once

#include "TaskbarClock.h"

#include <windows.h>

// Installs (true) or removes (false) the component in the shell that runs
// clock, a taskbar as FindLoaderClock found it. Shows its own message on
// failure; true when the component reported and, when installing, holds the
// mutex that says it stayed.
bool HookClock(HINSTANCE instance, const TaskbarClock& clock, bool install);

// The component holds the mutex "HoralumeDllInstalled" while it is installed.
bool IsComponentInstalled();
