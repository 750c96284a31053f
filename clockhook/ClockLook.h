// How the clock draws: its font and colours, from the settings record or,
// where the record leaves them to the system, the taskbar's own.
#pragma once

#include "ClockFormat.h"
#include "ClockSettings.h"
#include "MonitorLines.h"
#include "Win32Handles.h"

#include <windows.h>

#include <vector>

class ClockLook {
public:
    ClockLook() = default;
    ClockLook(const ClockLook&) = delete;
    ClockLook& operator=(const ClockLook&) = delete;

    // taskbarFont: the font the clock had before we took it over (may be null).
    void Apply(const ClockSettings& settings, HFONT taskbarFont);

    HFONT Font() const { return font_; }
    COLORREF TextColour() const { return textColour_; }
    COLORREF BackgroundColour() const { return backgroundColour_; }

private:
    UniqueFont customFont_;
    HFONT font_ = nullptr; // the custom font, or one the system owns
    COLORREF textColour_ = 0;
    COLORREF backgroundColour_ = 0;
};

// Width in pixels the lines need in the look's font, margins included.
int RenderedWidth(HWND window, const ClockLook& look, const std::vector<RenderedLine>& lines);

// Paints the lines centred vertically, each aligned as it asks, and the
// monitor lines over them.
void PaintClock(HWND window, HDC target, const ClockLook& look, const std::vector<RenderedLine>& lines,
                const MonitorLines& monitorLines);
