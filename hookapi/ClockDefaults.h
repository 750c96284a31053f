// The settings of an empty registry: what the loader reads when no value is
// stored, and what the clock uses until a record arrives, so both agree.
#pragma once

#include "hookapi/ClockSettings.h"

ClockSettings DefaultClockSettings();
