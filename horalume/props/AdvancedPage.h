// The Advanced page: the CPU and memory monitors, and the two switches of the
// program itself (autostart, Control Panel applet), which only OK writes. The
// page is made by MakeAdvancedPage (Pages.h).
#pragma once

#include "horalume/props/Pages.h"

// Enables the CPU line and colour while CPU monitoring is ticked, and the
// memory colour while the memory line is ticked and the system is not NT.
void UpdateMonitorState(HWND page, bool isNT);
