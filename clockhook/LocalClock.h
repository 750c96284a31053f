// What the clock shows, gathered from the system: the local time, the
// locale's names and formats, and the machine's resource readings.
#pragma once

#include "ClockFormat.h"

#include <windows.h>

ClockMoment CurrentClockMoment();

// Names and formats of the locale (0x0400: the user's default).
LocaleTexts LocaleTextsFor(LCID locale);

// Free memory, memory load and the CPU usage since the previous call (the
// first call knows no usage yet).
ResourceReadings ReadResources();
