#include "clockhook/ClockLook.h"

#include "clockhook/TaskbarTheme.h"

#include <cstring>
#include <utility>

static_assert(sizeof(LOGFONTA) == sizeof(FontRecord), "the record's fonts are LOGFONTA blocks");

constexpr int kMargin = 4; // pixels at 96 DPI kept clear around the text

static int SystemDpi()
{
    return GetDeviceCaps(WindowDC(nullptr).Get(), LOGPIXELSY);
}

int WindowDpi(HWND window)
{
    using DpiForWindow = UINT(WINAPI*)(HWND);
    static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    UINT dpi = dpiForWindow != nullptr ? dpiForWindow(window) : 0;
    return dpi != 0 ? static_cast<int>(dpi) : SystemDpi();
}

// A font's height, made at the system's DPI, for a monitor of another.
static HFONT CreateFontAtDpi(LOGFONTA font, int dpi)
{
    font.lfHeight = MulDiv(font.lfHeight, dpi, SystemDpi());
    return CreateFontIndirectA(&font);
}

void ClockLook::Apply(const ClockSettings& settings, HFONT taskbarFont, int dpi)
{
    dpi_ = dpi;
    customFont_.Reset();
    defaultFont_.Reset();
    if (settings.displayFlags & DisplayFlag::CustomClockFont) {
        LOGFONTA custom;
        static_assert(sizeof custom == sizeof settings.customFont, "same size");
        memcpy(&custom, &settings.customFont, sizeof custom);
        customFont_.Reset(CreateFontAtDpi(custom, dpi));
    }
    font_ = customFont_ ? customFont_.Get() : taskbarFont;
    if (font_ == nullptr) {
        NONCLIENTMETRICSA metrics = {};
        metrics.cbSize = sizeof metrics;
        if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
            defaultFont_.Reset(CreateFontAtDpi(metrics.lfMessageFont, dpi));
        }
        font_ = defaultFont_ ? defaultFont_.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }

    naturalFont_ = font_;
    fittedFont_.Reset();
    fittedHeight_ = 0;

    ThemeColours colours = TaskbarColours(ReadTaskbarTheme());
    if (settings.displayFlags & DisplayFlag::CustomColours) {
        colours = {settings.foregroundColor, settings.backgroundColor};
    }
    textColour_ = colours.text;
    backgroundColour_ = colours.background;
}

int ClockLook::NaturalHeight() const
{
    LOGFONTA font = {};
    GetObjectA(naturalFont_, sizeof font, &font);
    return font.lfHeight;
}

void ClockLook::FitFont(int height)
{
    if (height == 0 || height == NaturalHeight()) {
        font_ = naturalFont_;
        return;
    }
    if (height != fittedHeight_ || !fittedFont_) {
        LOGFONTA font = {};
        GetObjectA(naturalFont_, sizeof font, &font);
        font.lfHeight = height;
        font.lfWidth = 0;
        fittedFont_.Reset(CreateFontIndirectA(&font));
        fittedHeight_ = height;
    }
    font_ = fittedFont_ ? fittedFont_.Get() : naturalFont_;
}

HDC BackBuffer::Dc()
{
    if (!dc_) {
        dc_.Reset(CreateCompatibleDC(nullptr));
    }
    return dc_.Get();
}

HDC BackBuffer::Sized(HDC target, int width, int height)
{
    if (Dc() == nullptr) {
        return nullptr;
    }
    if (!bitmap_ || width != width_ || height != height_) {
        UniqueBitmap bitmap(CreateCompatibleBitmap(target, width, height));
        if (!bitmap) {
            return nullptr;
        }
        SelectObject(dc_.Get(), bitmap.Get()); // the old one is free to go
        bitmap_ = std::move(bitmap);
        width_ = width;
        height_ = height;
    }
    return dc_.Get();
}

int RenderedWidth(BackBuffer& buffer, const ClockLook& look, const std::vector<RenderedLine>& lines)
{
    DCSelection font(buffer.Dc(), look.Font());
    int widest = 0;
    for (const RenderedLine& line : lines) {
        SIZE size;
        if (GetTextExtentPoint32A(buffer.Dc(), line.text.data(), static_cast<int>(line.text.size()), &size) &&
            size.cx > widest) {
            widest = size.cx;
        }
    }
    return widest + 2 * look.Scaled(kMargin);
}

int RenderedHeight(BackBuffer& buffer, const ClockLook& look, const std::vector<RenderedLine>& lines)
{
    DCSelection font(buffer.Dc(), look.Font());
    TEXTMETRICA metrics;
    GetTextMetricsA(buffer.Dc(), &metrics);
    return metrics.tmHeight * static_cast<int>(lines.size()) + 2 * look.Scaled(kMargin);
}

static void DrawLines(HDC dc, int width, int height, const ClockLook& look, const std::vector<RenderedLine>& lines)
{
    const int margin = look.Scaled(kMargin);
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    int lineHeight = metrics.tmHeight;
    int y = (height - lineHeight * static_cast<int>(lines.size())) / 2;
    for (const RenderedLine& line : lines) {
        int length = static_cast<int>(line.text.size());
        SIZE size = {0, 0};
        GetTextExtentPoint32A(dc, line.text.data(), length, &size);
        const LineAlign align = look.Centred() ? LineAlign::Centre : line.align;
        int x = (width - size.cx) / 2;
        if (align == LineAlign::Left) {
            x = margin;
        } else if (align == LineAlign::Right) {
            x = width - margin - size.cx;
        }
        TextOutA(dc, x, y, line.text.data(), length);
        y += lineHeight;
    }
}

void PaintClock(HWND window, HDC target, const ClockLook& look, const std::vector<RenderedLine>& lines,
                const MonitorLines& monitorLines, BackBuffer& buffer)
{
    RECT client;
    GetClientRect(window, &client);
    int width = client.right;
    int height = client.bottom;
    if (width <= 0 || height <= 0) {
        return;
    }

    // Drawn off screen first, so the clock never flickers on its tick.
    HDC dc = buffer.Sized(target, width, height);
    if (dc == nullptr) {
        return;
    }
    DCSelection selectedFont(dc, look.Font());
    UniqueBrush background(CreateSolidBrush(look.BackgroundColour()));
    FillRect(dc, &client, background.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, look.TextColour());
    DrawLines(dc, width, height, look, lines);
    DrawMonitorLines(dc, client, monitorLines);
    BitBlt(target, 0, 0, width, height, dc, 0, 0, SRCCOPY);
}
