// The overlay clock: a window of the component's own, a child of a taskbar
// whose clock is drawn inside a content bridge (Windows 11). Being the
// taskbar's child it moves, hides and auto-hides with the taskbar.
#pragma once

#include "clockhook/model/OverlayPlacement.h"

#include <windows.h>

#include <vector>

// The overlay's window class, registered by the component while it is
// installed, with the procedure that shows the clock model.
bool RegisterOverlayClass(WNDPROC procedure);
void UnregisterOverlayClass();

// Creates a hidden overlay on the taskbar, above its other children, bound to
// its surface.
HWND CreateOverlay(HWND taskbar, void* surface);

// The room the overlay stands in, in the taskbar's client coordinates: the
// bridge's rectangle without the "show desktop" strip at its far end (the
// right end of a horizontal bar, the bottom of a vertical one). The overlay
// keeps to the room's far end.
RECT OverlayAnchor(HWND taskbar, HWND bridge, bool vertical, int dpi);

// The overlay's room in the taskbar's client coordinates by the first rule
// that can serve: the clock's content among the located elements (screen
// coordinates), else the notification area's bounds when not empty, else
// the anchor above.
OverlayRoom PlaceOverlay(HWND taskbar, HWND bridge, bool vertical, int dpi, const std::vector<LocatedElement>& located);

RECT RectOf(const Box& box);
// A child window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND window);

// The smallest text height at 96 DPI an overlay draws to fit its room; text
// wider then is cut.
constexpr int kFittedTextFloor = 9;

// The room the taskbar's own clock takes at 96 DPI, which the overlay always
// covers so that nothing of it shows through.
constexpr int kSystemClockWidth = 88;
constexpr int kSystemClockHeight = 40;
