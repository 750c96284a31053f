#include "ClockLook.h"

#include <cstring>

static_assert(sizeof(LOGFONTA) == sizeof(FontRecord), "the record's fonts are LOGFONTA blocks");

constexpr int kMargin = 4; // pixels kept clear left and right of the text

void ClockLook::ReleaseFont()
{
    if (ownsFont_ && font_ != nullptr)
        DeleteObject(font_);
    font_ = nullptr;
    ownsFont_ = false;
}

void ClockLook::Apply(const ClockSettings& settings, HFONT taskbarFont)
{
    ReleaseFont();
    if (settings.displayFlags & DisplayFlag::CustomClockFont) {
        LOGFONTA custom;
        static_assert(sizeof custom == sizeof settings.customFont, "same size");
        memcpy(&custom, &settings.customFont, sizeof custom);
        font_ = CreateFontIndirectA(&custom);
        ownsFont_ = font_ != nullptr;
    }
    if (font_ == nullptr)
        font_ = taskbarFont != nullptr ? taskbarFont : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));

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
    HDC dc = GetDC(window);
    HGDIOBJ oldFont = SelectObject(dc, look.Font());
    int widest = 0;
    for (const RenderedLine& line : lines) {
        SIZE size;
        if (GetTextExtentPoint32A(dc, line.text.data(), static_cast<int>(line.text.size()), &size) && size.cx > widest)
            widest = size.cx;
    }
    SelectObject(dc, oldFont);
    ReleaseDC(window, dc);
    return widest + 2 * kMargin;
}

void PaintClock(HWND window, HDC target, const ClockLook& look, const std::vector<RenderedLine>& lines,
                const MonitorLines& monitorLines)
{
    RECT client;
    GetClientRect(window, &client);
    int width = client.right;
    int height = client.bottom;
    if (width <= 0 || height <= 0)
        return;

    // Drawn off screen first, so the clock never flickers on its tick.
    HDC dc = CreateCompatibleDC(target);
    HBITMAP bitmap = CreateCompatibleBitmap(target, width, height);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HGDIOBJ oldFont = SelectObject(dc, look.Font());

    HBRUSH background = CreateSolidBrush(look.BackgroundColour());
    FillRect(dc, &client, background);
    DeleteObject(background);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, look.TextColour());

    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    int lineHeight = metrics.tmHeight;
    int y = (height - lineHeight * static_cast<int>(lines.size())) / 2;
    for (const RenderedLine& line : lines) {
        int length = static_cast<int>(line.text.size());
        SIZE size = {0, 0};
        GetTextExtentPoint32A(dc, line.text.data(), length, &size);
        int x = (width - size.cx) / 2;
        if (line.align == LineAlign::Left)
            x = kMargin;
        else if (line.align == LineAlign::Right)
            x = width - kMargin - size.cx;
        TextOutA(dc, x, y, line.text.data(), length);
        y += lineHeight;
    }
    DrawMonitorLines(dc, client, monitorLines);

    BitBlt(target, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
}
