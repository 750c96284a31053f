#include "ClockPage.h"

#include "CommonDialogs.h"
#include "FontDescription.h"
#include "FormatMenu.h"
#include "HoralumeResources.h"
#include "PageControls.h"
#include "PageText.h"

#include <cstring>

static_assert(sizeof(NONCLIENTMETRICSA) == 340, "the classic non-client metrics");

static constexpr int kWidthDigits = 5;

static void ReadDefaultColoursBox(HWND page, ClockSettings& settings)
{
    SetDisplayFlag(settings, DisplayFlag::CustomColours, !IsChecked(page, IDC_DEFAULT_COLOURS));
}

static void ReadDefaultFontBox(HWND page, SettingsSession& session)
{
    SetDisplayFlag(session.record, DisplayFlag::CustomClockFont, !IsChecked(page, IDC_DEFAULT_FONT));
    DescribeClockFont(page, session);
}

// Choosing a colour always switches the page to the custom colours.
static PageCommand ChooseColour(HWND page, LoaderState& state, UINT titleId, std::uint32_t& colour)
{
    char title[256];
    LoadPageText(state.instance, titleId, title);
    const COLORREF chosen = PickColour(state.choosers, page, colour, title);
    if (chosen == kNoColour) {
        return PageCommand::Handled;
    }
    colour = chosen;
    Check(page, IDC_DEFAULT_COLOURS, false);
    ReadDefaultColoursBox(page, state.session.record);
    return PageCommand::Changed;
}

// Starts from the stored font even while the default font is in use.
static PageCommand ChooseClockFont(HWND page, LoaderState& state)
{
    char title[256];
    LoadPageText(state.instance, IDS_CLOCK_FONT_TITLE, title);
    if (!PickFont(state.choosers, page, title, state.session.record.customFont)) {
        return PageCommand::Handled;
    }
    Check(page, IDC_DEFAULT_FONT, false);
    ReadDefaultFontBox(page, state.session);
    return PageCommand::Changed;
}

static PageCommand OnClockPageEdit(HWND page, ClockSettings& settings, int control)
{
    switch (control) {
    case IDC_CLOCK_FORMAT:
        ReadFormatBox(page, IDC_CLOCK_FORMAT, settings.clockFormatString);
        return PageCommand::Changed;
    case IDC_FIXED_WIDTH:
        // An empty box reads as 0.
        settings.fixedWidth = static_cast<std::int32_t>(GetDlgItemInt(page, IDC_FIXED_WIDTH, nullptr, FALSE));
        return PageCommand::Changed;
    default:
        return PageCommand::Ignored;
    }
}

static PageCommand OnClockPageClick(HWND page, LoaderState& state, int control)
{
    ClockSettings& settings = state.session.record;
    switch (control) {
    case IDC_CLOCK_FORMAT_ELEMENTS:
        ShowFormatMenu(page, state, IDC_CLOCK_FORMAT);
        SetFocus(GetDlgItem(page, IDC_CLOCK_FORMAT));
        ReadFormatBox(page, IDC_CLOCK_FORMAT, settings.clockFormatString);
        return PageCommand::Changed;
    case IDC_FIXED_WIDTH_ON:
        SetDisplayFlag(settings, DisplayFlag::FixedWidthOn, IsChecked(page, IDC_FIXED_WIDTH_ON));
        UpdateFixedWidthState(page, settings);
        return PageCommand::Changed;
    case IDC_TEXT_COLOUR:
        return ChooseColour(page, state, IDS_TEXT_COLOUR_TITLE, settings.foregroundColor);
    case IDC_BACKGROUND_COLOUR:
        return ChooseColour(page, state, IDS_BACKGROUND_COLOUR_TITLE, settings.backgroundColor);
    case IDC_DEFAULT_COLOURS:
        ReadDefaultColoursBox(page, settings);
        return PageCommand::Changed;
    case IDC_CLOCK_FONT:
        return ChooseClockFont(page, state);
    case IDC_DEFAULT_FONT:
        ReadDefaultFontBox(page, state.session);
        return PageCommand::Changed;
    default:
        return PageCommand::Ignored;
    }
}

void InitClockPage(HWND page, LoaderState& state)
{
    const ClockSettings& settings = state.session.record;
    if (state.formatEditFont) {
        SendDlgItemMessageA(page, IDC_CLOCK_FORMAT, WM_SETFONT, reinterpret_cast<WPARAM>(state.formatEditFont.Get()),
                            FALSE);
    }
    SendDlgItemMessageA(page, IDC_CLOCK_FORMAT, EM_LIMITTEXT, kFormatFieldSize - 1, 0);
    SendDlgItemMessageA(page, IDC_FIXED_WIDTH, EM_LIMITTEXT, kWidthDigits, 0);
    // Setting the texts reports EN_CHANGE, which pushes the unchanged values.
    SetDlgItemTextA(page, IDC_CLOCK_FORMAT, settings.clockFormatString);
    SetDlgItemInt(page, IDC_FIXED_WIDTH, static_cast<UINT>(settings.fixedWidth), FALSE);
    Check(page, IDC_FIXED_WIDTH_ON, HasDisplayFlag(settings, DisplayFlag::FixedWidthOn));
    Check(page, IDC_DEFAULT_COLOURS, !HasDisplayFlag(settings, DisplayFlag::CustomColours));
    Check(page, IDC_DEFAULT_FONT, !HasDisplayFlag(settings, DisplayFlag::CustomClockFont));
    UpdateFixedWidthState(page, settings);
    DescribeClockFont(page, state.session);
}

void UpdateFixedWidthState(HWND page, const ClockSettings& settings)
{
    EnableWindow(GetDlgItem(page, IDC_FIXED_WIDTH), HasDisplayFlag(settings, DisplayFlag::FixedWidthOn));
}

void DescribeClockFont(HWND page, const SettingsSession& session)
{
    const int pixelsPerInch = GetDeviceCaps(WindowDC(session.clockWindow).Get(), LOGPIXELSY);

    FontRecord font = session.record.customFont;
    if (!HasDisplayFlag(session.record, DisplayFlag::CustomClockFont)) {
        NONCLIENTMETRICSA metrics{};
        metrics.cbSize = sizeof metrics;
        SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        std::memcpy(&font, &metrics.lfMenuFont, sizeof font);
    }
    SetDlgItemTextA(page, IDC_CLOCK_FONT_DESCRIPTION, DescribeFont(font, pixelsPerInch).c_str());
}

PageCommand OnClockPageCommand(HWND page, LoaderState& state, int control, int code)
{
    switch (code) {
    case BN_CLICKED:
        return OnClockPageClick(page, state, control);
    case EN_CHANGE:
        return OnClockPageEdit(page, state.session.record, control);
    default:
        return PageCommand::Ignored;
    }
}
