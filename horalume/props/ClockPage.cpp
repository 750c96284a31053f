#include "horalume/props/ClockPage.h"

#include "horalume/props/CommonDialogs.h"
#include "horalume/props/FontDescription.h"
#include "horalume/props/FormatMenu.h"
#include "horalume/props/PageControls.h"
#include "horalume/props/PageText.h"
#include "resources/horalume/HoralumeResources.h"

#include <cstring>

static_assert(sizeof(NONCLIENTMETRICSA) == 340, "the classic non-client metrics");

namespace {
class ClockPage final : public SheetPage {
public:
    ClockPage(HINSTANCE instance, SettingsSession& session, PageChoosers& choosers, const PageFonts& fonts)
        : instance_(instance), session_(session), choosers_(choosers), fonts_(fonts)
    {
    }

    void Init(HWND page) override;
    PageCommand OnCommand(HWND page, int control, int code) override;

private:
    PageCommand ChooseColour(HWND page, UINT titleId, std::uint32_t& colour);
    PageCommand ChooseClockFont(HWND page);
    PageCommand OnClick(HWND page, int control);

    HINSTANCE instance_;
    SettingsSession& session_;
    PageChoosers& choosers_;
    const PageFonts& fonts_;
};
} // namespace

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
PageCommand ClockPage::ChooseColour(HWND page, UINT titleId, std::uint32_t& colour)
{
    char title[256];
    LoadPageText(instance_, titleId, title);
    const COLORREF chosen = PickColour(choosers_, page, colour, title);
    if (chosen == kNoColour) {
        return PageCommand::Handled;
    }
    colour = chosen;
    Check(page, IDC_DEFAULT_COLOURS, false);
    ReadDefaultColoursBox(page, session_.record);
    return PageCommand::Changed;
}

// Starts from the stored font even while the default font is in use.
PageCommand ClockPage::ChooseClockFont(HWND page)
{
    char title[256];
    LoadPageText(instance_, IDS_CLOCK_FONT_TITLE, title);
    if (!PickFont(choosers_, page, title, session_.record.customFont)) {
        return PageCommand::Handled;
    }
    Check(page, IDC_DEFAULT_FONT, false);
    ReadDefaultFontBox(page, session_);
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

PageCommand ClockPage::OnClick(HWND page, int control)
{
    ClockSettings& settings = session_.record;
    switch (control) {
    case IDC_CLOCK_FORMAT_ELEMENTS:
        ShowFormatMenu(page, instance_, choosers_, IDC_CLOCK_FORMAT);
        SetFocus(GetDlgItem(page, IDC_CLOCK_FORMAT));
        ReadFormatBox(page, IDC_CLOCK_FORMAT, settings.clockFormatString);
        return PageCommand::Changed;
    case IDC_FIXED_WIDTH_ON:
        SetDisplayFlag(settings, DisplayFlag::FixedWidthOn, IsChecked(page, IDC_FIXED_WIDTH_ON));
        UpdateFixedWidthState(page, settings);
        return PageCommand::Changed;
    case IDC_TEXT_COLOUR:
        return ChooseColour(page, IDS_TEXT_COLOUR_TITLE, settings.foregroundColor);
    case IDC_BACKGROUND_COLOUR:
        return ChooseColour(page, IDS_BACKGROUND_COLOUR_TITLE, settings.backgroundColor);
    case IDC_DEFAULT_COLOURS:
        ReadDefaultColoursBox(page, settings);
        return PageCommand::Changed;
    case IDC_CLOCK_FONT:
        return ChooseClockFont(page);
    case IDC_DEFAULT_FONT:
        ReadDefaultFontBox(page, session_);
        return PageCommand::Changed;
    default:
        return PageCommand::Ignored;
    }
}

void ClockPage::Init(HWND page)
{
    const ClockSettings& settings = session_.record;
    if (fonts_.formatEdit) {
        SendDlgItemMessageA(page, IDC_CLOCK_FORMAT, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.formatEdit.Get()),
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
    DescribeClockFont(page, session_);
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

PageCommand ClockPage::OnCommand(HWND page, int control, int code)
{
    switch (code) {
    case BN_CLICKED:
        return OnClick(page, control);
    case EN_CHANGE:
        return OnClockPageEdit(page, session_.record, control);
    default:
        return PageCommand::Ignored;
    }
}

std::unique_ptr<SheetPage> MakeClockPage(HINSTANCE instance, SettingsSession& session, PageChoosers& choosers,
                                         const PageFonts& fonts)
{
    return std::make_unique<ClockPage>(instance, session, choosers, fonts);
}
