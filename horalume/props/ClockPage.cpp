#include "ClockPage.h"

#include <cstring>

#include "CommonDialogs.h"
#include "FontDescription.h"
#include "FormatMenu.h"
#include "HoralumeResources.h"
#include "PageControls.h"
#include "PageText.h"
#include "SettingsStore.h"

static_assert(sizeof(NONCLIENTMETRICSA) == 340, "the classic non-client metrics");

namespace {

constexpr int kWidthDigits = 5;

void ReadDefaultColoursBox(HWND page)
{
    SetDisplayFlag(DisplayFlag::CustomColours, !IsChecked(page, IDC_DEFAULT_COLOURS));
    PushClockSettings();
}

void ReadDefaultFontBox(HWND page)
{
    SetDisplayFlag(DisplayFlag::CustomClockFont, !IsChecked(page, IDC_DEFAULT_FONT));
    DescribeClockFont(page);
    PushClockSettings();
}

// Choosing a colour always switches the page to the custom colours.
void ChooseColour(HWND page, UINT titleId, std::uint32_t& colour)
{
    char title[256];
    LoadPageText(titleId, title);
    const COLORREF chosen = PickColour(page, colour, title);
    if (chosen == kNoColour) {
        return;
    }
    colour = chosen;
    Check(page, IDC_DEFAULT_COLOURS, false);
    ReadDefaultColoursBox(page);
}

// Starts from the stored font even while the default font is in use.
void ChooseClockFont(HWND page)
{
    char title[256];
    LoadPageText(IDS_CLOCK_FONT_TITLE, title);
    if (!PickFont(page, title, g_loader.settings.customFont)) {
        return;
    }
    Check(page, IDC_DEFAULT_FONT, false);
    ReadDefaultFontBox(page);
}

void PickClockFormatElement(HWND page)
{
    ShowFormatMenu(page, IDC_CLOCK_FORMAT);
    SetFocus(GetDlgItem(page, IDC_CLOCK_FORMAT));
    ReadFormatBox(page, IDC_CLOCK_FORMAT, g_loader.settings.clockFormatString);
    PushClockSettings();
}

bool OnClockPageEdit(HWND page, int control)
{
    switch (control) {
    case IDC_CLOCK_FORMAT:
        ReadFormatBox(page, IDC_CLOCK_FORMAT, g_loader.settings.clockFormatString);
        break;
    case IDC_FIXED_WIDTH:
        // An empty box reads as 0.
        g_loader.settings.fixedWidth = static_cast<std::int32_t>(GetDlgItemInt(page, IDC_FIXED_WIDTH, nullptr, FALSE));
        break;
    default:
        return false;
    }
    PushClockSettings();
    return true;
}

bool OnClockPageClick(HWND page, int control)
{
    ClockSettings& settings = g_loader.settings;
    switch (control) {
    case IDC_CLOCK_FORMAT_ELEMENTS:
        PickClockFormatElement(page);
        return true;
    case IDC_FIXED_WIDTH_ON:
        SetDisplayFlag(DisplayFlag::FixedWidthOn, IsChecked(page, IDC_FIXED_WIDTH_ON));
        UpdateFixedWidthState(page);
        PushClockSettings();
        return true;
    case IDC_TEXT_COLOUR:
        ChooseColour(page, IDS_TEXT_COLOUR_TITLE, settings.foregroundColor);
        return true;
    case IDC_BACKGROUND_COLOUR:
        ChooseColour(page, IDS_BACKGROUND_COLOUR_TITLE, settings.backgroundColor);
        return true;
    case IDC_DEFAULT_COLOURS:
        ReadDefaultColoursBox(page);
        return true;
    case IDC_CLOCK_FONT:
        ChooseClockFont(page);
        return true;
    case IDC_DEFAULT_FONT:
        ReadDefaultFontBox(page);
        return true;
    default:
        return false;
    }
}

} // namespace

void InitClockPage(HWND page)
{
    const ClockSettings& settings = g_loader.settings;
    if (g_loader.formatEditFont) {
        SendDlgItemMessageA(page, IDC_CLOCK_FORMAT, WM_SETFONT, reinterpret_cast<WPARAM>(g_loader.formatEditFont),
                            FALSE);
    }
    SendDlgItemMessageA(page, IDC_CLOCK_FORMAT, EM_LIMITTEXT, kFormatFieldSize - 1, 0);
    SendDlgItemMessageA(page, IDC_FIXED_WIDTH, EM_LIMITTEXT, kWidthDigits, 0);
    // Setting the texts reports EN_CHANGE, which pushes the unchanged values.
    SetDlgItemTextA(page, IDC_CLOCK_FORMAT, settings.clockFormatString);
    SetDlgItemInt(page, IDC_FIXED_WIDTH, static_cast<UINT>(settings.fixedWidth), FALSE);
    Check(page, IDC_FIXED_WIDTH_ON, HasDisplayFlag(DisplayFlag::FixedWidthOn));
    Check(page, IDC_DEFAULT_COLOURS, !HasDisplayFlag(DisplayFlag::CustomColours));
    Check(page, IDC_DEFAULT_FONT, !HasDisplayFlag(DisplayFlag::CustomClockFont));
    UpdateFixedWidthState(page);
    DescribeClockFont(page);
}

void UpdateFixedWidthState(HWND page)
{
    EnableWindow(GetDlgItem(page, IDC_FIXED_WIDTH), HasDisplayFlag(DisplayFlag::FixedWidthOn));
}

void DescribeClockFont(HWND page)
{
    const HDC dc = GetDC(g_loader.clockWindow);
    const int pixelsPerInch = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(g_loader.clockWindow, dc);

    FontRecord font = g_loader.settings.customFont;
    if (!HasDisplayFlag(DisplayFlag::CustomClockFont)) {
        NONCLIENTMETRICSA metrics{};
        metrics.cbSize = sizeof metrics;
        SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        std::memcpy(&font, &metrics.lfMenuFont, sizeof font);
    }
    SetDlgItemTextA(page, IDC_CLOCK_FONT_DESCRIPTION, DescribeFont(font, pixelsPerInch).c_str());
}

BOOL OnClockPageCommand(HWND page, int control, int code)
{
    switch (code) {
    case BN_CLICKED:
        return OnClockPageClick(page, control);
    case EN_CHANGE:
        return OnClockPageEdit(page, control);
    default:
        return false;
    }
}
