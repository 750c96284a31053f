// The clock's tooltip: shown when the mouse rests on the clock, with the
// tooltip format rendered afresh every second while it is up. It hides on
// its own after a while unless TooltipStays is set; it always hides when
// the mouse leaves the clock, and a click keeps it away until the mouse
// leaves and comes back.
#pragma once

#include <windows.h>

void CreateClockTooltip(HWND clock);
void DestroyClockTooltip();

// WM_MOUSEMOVE on the clock: asks for WM_MOUSEHOVER and WM_MOUSELEAVE.
void OnTooltipMouseMove(HWND clock);
// WM_MOUSEHOVER: shows the tooltip near the mouse.
void ShowClockTooltip(HWND clock);
// WM_MOUSELEAVE.
void OnTooltipMouseLeave();
void HideClockTooltip();
// A click on the clock: hides the tooltip and keeps it away until the mouse
// leaves the clock.
void OnTooltipClick();

// The clock's tick: renders the text again while the tooltip is up.
void RefreshClockTooltip();
// Handles the tooltip's hiding timer; returns whether it was that timer.
bool OnTooltipTimer(WPARAM id);
