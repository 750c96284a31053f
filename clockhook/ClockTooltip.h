// A clock surface's tooltip: shown when the mouse rests on the clock, with
// the tooltip format rendered afresh every second while it is up. It hides on
// its own after a while unless TooltipStays is set; it always hides when the
// mouse leaves the clock, and a click keeps it away until the mouse leaves
// and comes back.
#pragma once

#include "clockhook/model/ClockModel.h"

#include <windows.h>

#include <string>

class ClockTooltip {
public:
    ClockTooltip() = default;
    ClockTooltip(const ClockTooltip&) = delete;
    ClockTooltip& operator=(const ClockTooltip&) = delete;
    ~ClockTooltip() { Destroy(); }

    void Create(HWND clock);
    void Destroy();

    // WM_MOUSEMOVE on the clock: asks for WM_MOUSEHOVER and WM_MOUSELEAVE.
    void OnMouseMove();
    // WM_MOUSEHOVER: shows the tooltip near the mouse.
    void Show(const ClockModel& model);
    void OnMouseLeave();
    // A click on the clock: hides the tooltip and keeps it away until the
    // mouse leaves the clock.
    void OnClick();
    // The clock's tick: renders the text again while the tooltip is up.
    void Refresh(const ClockModel& model);
    // Handles the tooltip's hiding timer; returns whether it was that timer.
    bool OnTimer(WPARAM id);
    bool Shown() const { return shown_; }

private:
    void Hide();
    bool UpdateText(const ClockModel& model);
    void Place();

    HWND clock_ = nullptr;
    HWND tip_ = nullptr;
    bool tracking_ = false; // hover and leave are asked for
    bool shown_ = false;
    bool clicked_ = false; // kept away since a click, until the mouse leaves
    int anchorX_ = 0;      // where the mouse was when it showed
    std::string text_;
};
