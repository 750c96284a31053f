// The properties sheet's position, stored as "Left" and "Top".
#pragma once

#include <windows.h>

// The stored position, by default centred, kept on the full-screen area.
POINT PlaceSheet(HWND sheet);
void SaveSheetPosition(HWND sheet);
