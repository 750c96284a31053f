// The overlay clock: a window of the component's own, a child of a taskbar
// whose clock is drawn inside a content bridge (Windows 11). Being the
// taskbar's child it moves, hides and auto-hides with the taskbar.
#pragma once

#include <windows.h>

// The overlay's window class, registered by the component while it is
// installed, with the procedure that shows the clock model.
bool RegisterOverlayClass(WNDPROC procedure);
void UnregisterOverlayClass();

// Creates a hidden overlay on the taskbar, above its other children.
HWND CreateOverlay(HWND taskbar);

// Where the overlay stands, in the taskbar's client coordinates: its right
// edge at the left end of the "show desktop" strip at the bridge's right
// end, top and bottom those of the bridge. The left edge is the bridge's.
RECT OverlayAnchor(HWND taskbar, HWND bridge);

// The width the taskbar's own clock takes, which the overlay always covers
// so that nothing of it shows through.
constexpr int kSystemClockWidth = 88;
