// The states a shell puts its taskbars in besides their layout: the app
// theme they are painted in, a full-screen program they go behind, and a
// thread that is stuck.
#pragma once

#include "taskbar/StandInTaskbar.h"

#include <windows.h>

// Writes the theme into the user's settings; System deletes the value.
void WriteTheme(StandInTheme theme);
// The taskbars' background in the theme (System: the button face). Shared,
// never to be deleted.
HBRUSH ThemeBrush(StandInTheme theme);
// Gives the taskbar and its children of this program's classes the theme's
// background and repaints them.
void PaintInTheme(HWND taskbar, StandInTheme theme);
// Tells every top-level window that the theme changed, as the system does.
void BroadcastThemeChange();

// Opens the full-screen program over the monitor, brings it to the
// foreground and puts the taskbar behind it; null when it cannot.
HWND OpenFullScreen(HINSTANCE instance, const RECT& monitor, HWND taskbar);
// Closes it; the taskbar is topmost again.
void CloseFullScreen(HWND fullScreen, HWND taskbar);

// Never returns and never takes a message again. Looks at the queue once
// first, so whoever waits for the stand-in to be idle is let go.
[[noreturn]] void StayHung();
