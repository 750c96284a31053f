// Decitray: keeps to one copy, starts the loader, and every 400 ms pushes the
// decimal clock and date into the taskbar clock from a hidden main window.
#pragma once

#include "win32/ElementClient.h"

#include <windows.h>

// The whole run of the program; the exit code is 0 on every path.
int RunDecitray(HINSTANCE instance);

// One tick's push. While no conversation stands it only tries to make one;
// once one stands it pokes the clock text as "DC", then the date text as "DD".
// A conversation found dead after a failed poke is let go, so the next tick
// connects anew.
void PushReadings(ElementClient& client, const char* clockText, const char* dateText);
