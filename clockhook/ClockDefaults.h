// The settings the clock uses until Horalume sends a record: what an empty
// registry gives the loader, so the clock looks the same before and after.
#pragma once

#include "ClockSettings.h"

ClockSettings DefaultClockSettings();
