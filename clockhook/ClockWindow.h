// The taken-over taskbar clock: its subclass procedure and what it shows.
// One clock per process, owned by the shell's thread.
#pragma once

#include "ClockSettings.h"
#include "ElementTable.h"

#include <windows.h>

#include <string>

// Subclasses the clock (or takes up our procedure where it still runs in the
// clock's chain), shows the default settings and starts the tick. Fails for
// a second clock while ours still runs in the first one's chain.
bool AttachClock(HWND clock);

// Stops the tick, closes the clock's tooltip, calendar and hot key, and gives
// the clock back its own procedure and, unless it is being destroyed, its
// size and look. Returns false when another procedure was put on top of
// ours, which then stays in place passing everything through, so the
// library must stay loaded.
bool DetachClock(bool clockGoing);

// The user elements the clock shows.
ElementTable& ClockElements();

// The settings the clock runs with (the last record Horalume sent).
const ClockSettings& CurrentClockSettings();

// A format rendered for the current moment as the clock renders its own, its
// lines joined by the separator.
std::string RenderForClock(const char* format, const char* separator);

// Renders again and redraws when the text changed (an element it shows).
void RefreshClock();
