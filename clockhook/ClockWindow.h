// The taken-over taskbar clock: its subclass procedure and what it shows.
// One clock per process, owned by the shell's thread.
#pragma once

#include "ElementTable.h"

#include <windows.h>

// Subclasses the clock, shows the default settings and starts the tick.
bool AttachClock(HWND clock);

// Stops the tick and gives the clock back its own procedure and, unless
// it is being destroyed, its size and look. Returns false when another procedure was put on top of ours, which
// then stays in place passing everything through, so the library must stay
// loaded.
bool DetachClock(bool clockGoing);

// The user elements the clock shows.
ElementTable& ClockElements();

// Renders again and redraws when the text changed (an element it shows).
void RefreshClock();
