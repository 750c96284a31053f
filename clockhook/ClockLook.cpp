#include "ClockLook.h"

#include <cstring>

static_assert(sizeof(LOGFONTA) == sizeof(FontRecord), "the record's fonts are LOGFONTA blocks");

constexpr int kMargin = 4; // pixels kept clear left and right of the text

void ClockLook::Apply(const ClockSettings& settings, HFONT taskbarFont)
{
    customFont_.Reset();
    if (settings.displayFlags & DisplayFlag::CustomClockFont) {
        LOGFONTA custom;
        static_assert(sizeof custom == sizeof settings.customFont, "same size");
        memcpy(&custom, &settings.customFont, sizeof custom);
        customFont_.Reset(CreateFontIndirectA(&custom));
    }
    font_ = customFont_.Get();
    if (font_ == nullptr) {
        font_ = taskbarFont != nullptr ? taskbarFont : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }

    if (settings.displayFlags & DisplayFlag::CustomColours) {
        textColour_ = settings.foregroundColor;
        backgroundColour_ = settings.backgroundColor;
    } else {
        textColour_ = GetSysColor(COLOR_BTNTEXT);
        backgroundColour_ = GetSysColor(COLOR_BTNFACE);
    }
}

int RenderedWidth(HWND window, const ClockLook& look, const std::vector<RenderedLine>& lines)
{
    WindowDC dc(window);
    DCSelection font(dc.Get(), look.Font());
    int widest = 0;
    for (const RenderedLine& line : lines) {
        SIZE size;
        if (GetTextExtentPoint32A(dc.Get(), line.text.data(), static_cast<int>(line.text.size()), &size) &&
            size.cx > widest) {
            widest = size.cx;
        }
    }
    return widest + 2 * kMargin;
}

static void DrawLines(HDC dc, int width, int height, const std::vector<RenderedLine>& lines)
{
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    int lineHeight = metrics.tmHeight;
    int y = (height - lineHeight * static_cast<int>(lines.size())) / 2;
    for (const RenderedLine& line : lines) {
        int length = static_cast<int>(line.text.size());
        SIZE size = {0, 0};
        GetTextExtentPoint32A(dc, line.text.data(), length, &size);
        int x = (width - size.cx) / 2;
        if (line.align == LineAlign::Left) {
            x = kMargin;
        } else if (line.align == LineAlign::Right) {
            x = width - kMargin - size.cx;
        }
        TextOutA(dc, x, y, line.text.data(), length);
        y += lineHeight;
    }
}

void PaintClock(HWND window, HDC target, const ClockLook& look, const std::vector<RenderedLine>& lines,
                const MonitorLines& monitorLines)
{
    RECT client;
    GetClientRect(window, &client);
    int width = client.right;
    int height = client.bottom;
    if (width <= 0 || height <= 0) {
        return;
    }

    // Drawn off screen first, so the clock never flickers on its tick.
    UniqueMemoryDC dc(CreateCompatibleDC(target));
    UniqueBitmap bitmap(CreateCompatibleBitmap(target, width, height));
    DCSelection selectedBitmap(dc.Get(), bitmap.Get());
    DCSelection selectedFont(dc.Get(), look.Font());
    UniqueBrush background(CreateSolidBrush(look.BackgroundColour()));
    FillRect(dc.Get(), &client, background.Get());
    SetBkMode(dc.Get(), TRANSPARENT);
    SetTextColor(dc.Get(), look.TextColour());
    DrawLines(dc.Get(), width, height, lines);
    DrawMonitorLines(dc.Get(), client, monitorLines);
    BitBlt(target, 0, 0, width, height, dc.Get(), 0, 0, SRCCOPY);
}
