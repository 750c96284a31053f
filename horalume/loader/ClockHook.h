// Finding the taskbar clock and installing or removing the clock component in
// the shell's process through a hand-shake with it.
#pragma once

#include "LoaderState.h"

// Sets the taskbar, notification area and clock windows of state from the
// first taskbar that has a clock; false when none has. Without the classic
// clock anywhere, the first taskbar whose clock is in a content bridge
// counts: its clock window is the component's overlay, null until the
// component is installed.
bool FindClockWindow(LoaderState& state);

// Installs (true) or removes (false) the component; FindClockWindow must have
// succeeded. Shows its own message on failure; true when the component
// reported and, when installing, holds the mutex that says it stayed.
bool HookClock(const LoaderState& state, bool install);

// The component holds the mutex "HoralumeDllInstalled" while it is installed.
bool IsComponentInstalled();
