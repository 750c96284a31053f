// How the clock draws: its font and colours, from the settings record or,
// where the record leaves them to the system, the taskbar's own, at the DPI
// of the monitor the clock is on.
#pragma once

#include "clockformat/ClockFormat.h"
#include "clockhook/MonitorLines.h"
#include "hookapi/ClockSettings.h"
#include "win32/Win32Handles.h"

#include <windows.h>

#include <vector>

class ClockLook {
public:
    ClockLook() = default;
    ClockLook(const ClockLook&) = delete;
    ClockLook& operator=(const ClockLook&) = delete;

    // taskbarFont: the font the clock had before we took it over (null for
    // an overlay). dpi: the clock's monitor's. A custom font keeps its size
    // in points; without one, the taskbar's font or the system's message
    // font at that DPI. Colours: the record's, or the taskbar theme's.
    void Apply(const ClockSettings& settings, HFONT taskbarFont, int dpi);

    HFONT Font() const { return font_; }
    // Draws with the font made height pixels high (LOGFONT's sign kept), or
    // with the font Apply chose when height is 0 or its own.
    void FitFont(int height);
    // The height of the font Apply chose, as its LOGFONT gives it.
    int NaturalHeight() const;
    COLORREF TextColour() const { return textColour_; }
    COLORREF BackgroundColour() const { return backgroundColour_; }
    // A measure in pixels at 96 DPI, at the clock's DPI.
    int Scaled(int pixelsAt96) const { return MulDiv(pixelsAt96, dpi_, 96); }
    int Dpi() const { return dpi_; }
    // Every line centred, as on a vertical taskbar.
    void SetCentred(bool centred) { centred_ = centred; }
    bool Centred() const { return centred_; }

private:
    UniqueFont customFont_;
    UniqueFont defaultFont_;
    HFONT naturalFont_ = nullptr; // one of those, or the taskbar's
    UniqueFont fittedFont_;       // made smaller to fit a room
    int fittedHeight_ = 0;
    HFONT font_ = nullptr; // the natural font or the fitted one
    int dpi_ = 96;
    bool centred_ = false;
    COLORREF textColour_ = 0;
    COLORREF backgroundColour_ = 0;
};

// The DPI of the monitor the window is on (the system's where the system
// cannot tell).
int WindowDpi(HWND window);

// Where a clock is drawn before it goes on the screen, and measured, kept
// between paints: making them each second costs more than the drawing.
class BackBuffer {
public:
    // A memory DC for the screen, made on first use; null if it cannot be.
    HDC Dc();
    // The DC with a bitmap of the size selected into it.
    HDC Sized(HDC target, int width, int height);

private:
    UniqueBitmap bitmap_; // released after the DC it is selected into
    UniqueMemoryDC dc_;
    int width_ = 0;
    int height_ = 0;
};

// Width and height in pixels the lines need in the look's font, margins
// included, measured on the buffer's DC.
int RenderedWidth(BackBuffer& buffer, const ClockLook& look, const std::vector<RenderedLine>& lines);
int RenderedHeight(BackBuffer& buffer, const ClockLook& look, const std::vector<RenderedLine>& lines);

// Paints the lines centred vertically, each aligned as it asks (all centred
// when the look says so), and the monitor lines over them.
void PaintClock(HWND window, HDC target, const ClockLook& look, const std::vector<RenderedLine>& lines,
                const MonitorLines& monitorLines, BackBuffer& buffer);
