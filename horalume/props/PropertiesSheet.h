// Horalume's modeless properties sheet with its six pages.
#pragma once

#include <windows.h>

// Builds the sheet hidden, places it and shows it; null when it cannot be made.
HWND OpenPropertiesSheet();
