// What the clock shows, gathered from the system: the local time, the
// locale's names and formats, and the machine's resource readings.
#pragma once

#include "clockformat/ClockFormat.h"
#include "clockhook/model/ClockMonitor.h"

#include <windows.h>

ClockMoment CurrentClockMoment();

// Names and formats of the locale (0x0400: the user's default).
LocaleTexts LocaleTextsFor(LCID locale);

// Free memory, memory load (of physical memory only, or of physical memory
// and the page file together) and, withCpu, the CPU usage since the times in
// lastCpu, which it then updates (empty ones know no usage yet; without CPU
// they are emptied, so a monitor switched on again starts afresh).
ResourceReadings SampleResources(bool withCpu, bool physicalOnly, CpuTimes& lastCpu);
