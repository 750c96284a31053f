// What the clock shows, gathered from the system: the local time, the
// locale's names and formats, and the machine's resource readings.
#pragma once

#include "ClockFormat.h"

#include <windows.h>

ClockMoment CurrentClockMoment();

// Names and formats of the locale (0x0400: the user's default).
LocaleTexts LocaleTextsFor(LCID locale);

// Free memory, memory load (of physical memory only, or of physical memory
// and the page file together) and, withCpu, the CPU usage since the
// previous call that sampled it (the first such call knows no usage yet).
ResourceReadings SampleResources(bool withCpu, bool physicalOnly);
