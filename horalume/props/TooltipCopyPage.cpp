#include "horalume/props/TooltipCopyPage.h"

#include "horalume/props/FormatMenu.h"
#include "horalume/props/PageControls.h"
#include "resources/horalume/HoralumeResources.h"

#include <initializer_list>

namespace {
class TooltipCopyPage final : public SheetPage {
public:
    TooltipCopyPage(HINSTANCE instance, ClockSettings& record, const PageChoosers& choosers, const PageFonts& fonts)
        : instance_(instance), record_(record), choosers_(choosers), fonts_(fonts)
    {
    }

    void Init(HWND page) override;
    PageCommand OnCommand(HWND page, int control, int code) override;

private:
    void PickFormatElement(HWND page, int formatBox);
    PageCommand OnClick(HWND page, int control);

    HINSTANCE instance_;
    ClockSettings& record_;
    const PageChoosers& choosers_;
    const PageFonts& fonts_;
};
} // namespace

static void SetFormatBoxFont(HWND page, int control, HFONT font)
{
    SendDlgItemMessageA(page, control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

// The box shows other formats while disabled; only its own text is stored.
static PageCommand StoreCopyFormat(HWND page, ClockSettings& settings)
{
    if (!IsWindowEnabled(GetDlgItem(page, IDC_COPY_FORMAT))) {
        return PageCommand::Handled;
    }
    ReadFormatBox(page, IDC_COPY_FORMAT, settings.copyFormatString);
    return PageCommand::Changed;
}

static PageCommand ChooseCopySource(HWND page, ClockSettings& settings, bool sameAsClock, bool sameAsTooltip)
{
    SetDisplayFlag(settings, DisplayFlag::CopySameAsClock, sameAsClock);
    SetDisplayFlag(settings, DisplayFlag::CopySameAsTooltip, sameAsTooltip);
    UpdateCopyFormatState(page, settings);
    return PageCommand::Changed;
}

void TooltipCopyPage::PickFormatElement(HWND page, int formatBox)
{
    ShowFormatMenu(page, instance_, choosers_, formatBox);
    SetFocus(GetDlgItem(page, formatBox));
}

static PageCommand OnTooltipCopyPageEdit(HWND page, ClockSettings& settings, int control)
{
    switch (control) {
    case IDC_TOOLTIP_FORMAT:
        ReadFormatBox(page, IDC_TOOLTIP_FORMAT, settings.tooltipFormatString);
        return PageCommand::Changed;
    case IDC_COPY_FORMAT:
        return StoreCopyFormat(page, settings);
    default:
        return PageCommand::Ignored;
    }
}

PageCommand TooltipCopyPage::OnClick(HWND page, int control)
{
    ClockSettings& settings = record_;
    switch (control) {
    case IDC_CUSTOM_TOOLTIP:
        SetDisplayFlag(settings, DisplayFlag::CustomTooltip, IsChecked(page, IDC_CUSTOM_TOOLTIP));
        UpdateTooltipState(page, settings);
        return PageCommand::Changed;
    case IDC_TOOLTIP_FORMAT_ELEMENTS:
        PickFormatElement(page, IDC_TOOLTIP_FORMAT);
        ReadFormatBox(page, IDC_TOOLTIP_FORMAT, settings.tooltipFormatString);
        return PageCommand::Changed;
    case IDC_TOOLTIP_STAYS:
        SetDisplayFlag(settings, DisplayFlag::TooltipStays, IsChecked(page, IDC_TOOLTIP_STAYS));
        return PageCommand::Changed;
    case IDC_COPY_CUSTOM:
        return ChooseCopySource(page, settings, false, false);
    case IDC_COPY_SAME_AS_CLOCK:
        return ChooseCopySource(page, settings, true, false);
    case IDC_COPY_SAME_AS_TOOLTIP:
        return ChooseCopySource(page, settings, false, true);
    case IDC_COPY_FORMAT_ELEMENTS:
        PickFormatElement(page, IDC_COPY_FORMAT);
        return StoreCopyFormat(page, settings);
    default:
        return PageCommand::Ignored;
    }
}

void TooltipCopyPage::Init(HWND page)
{
    const ClockSettings& settings = record_;
    if (fonts_.formatEdit) {
        SetFormatBoxFont(page, IDC_TOOLTIP_FORMAT, fonts_.formatEdit.Get());
        SetFormatBoxFont(page, IDC_COPY_FORMAT, fonts_.formatEdit.Get());
    }
    SendDlgItemMessageA(page, IDC_TOOLTIP_FORMAT, EM_LIMITTEXT, kFormatFieldSize - 1, 0);
    SendDlgItemMessageA(page, IDC_COPY_FORMAT, EM_LIMITTEXT, kFormatFieldSize - 1, 0);
    SetDlgItemTextA(page, IDC_TOOLTIP_FORMAT, settings.tooltipFormatString);
    SetDlgItemTextA(page, IDC_COPY_FORMAT, settings.copyFormatString);

    const bool sameAsClock = HasDisplayFlag(settings, DisplayFlag::CopySameAsClock);
    const bool sameAsTooltip = HasDisplayFlag(settings, DisplayFlag::CopySameAsTooltip);
    Check(page, IDC_CUSTOM_TOOLTIP, HasDisplayFlag(settings, DisplayFlag::CustomTooltip));
    Check(page, IDC_TOOLTIP_STAYS, HasDisplayFlag(settings, DisplayFlag::TooltipStays));
    // "Same as clock" last: where checking a radio button clears the others
    // of its group, a record with both flags still shows the clock format.
    Check(page, IDC_COPY_SAME_AS_TOOLTIP, sameAsTooltip);
    Check(page, IDC_COPY_SAME_AS_CLOCK, sameAsClock);
    Check(page, IDC_COPY_CUSTOM, !sameAsClock && !sameAsTooltip);
    UpdateCopyFormatState(page, settings);
    UpdateTooltipState(page, settings);
}

void UpdateTooltipState(HWND page, const ClockSettings& settings)
{
    const bool custom = HasDisplayFlag(settings, DisplayFlag::CustomTooltip);
    for (int control : {IDC_TOOLTIP_FORMAT, IDC_TOOLTIP_FORMAT_ELEMENTS, IDC_TOOLTIP_STAYS}) {
        EnableWindow(GetDlgItem(page, control), custom);
    }
}

void UpdateCopyFormatState(HWND page, const ClockSettings& settings)
{
    const char* text = "";
    bool custom = false;
    if (IsChecked(page, IDC_COPY_CUSTOM)) {
        text = settings.copyFormatString;
        custom = true;
    } else if (IsChecked(page, IDC_COPY_SAME_AS_CLOCK)) {
        text = settings.clockFormatString;
    } else if (IsChecked(page, IDC_COPY_SAME_AS_TOOLTIP)) {
        text = settings.tooltipFormatString;
    }
    // Disable first: the text reports EN_CHANGE, which stores the box only while enabled.
    EnableWindow(GetDlgItem(page, IDC_COPY_FORMAT), custom);
    EnableWindow(GetDlgItem(page, IDC_COPY_FORMAT_ELEMENTS), custom);
    SetDlgItemTextA(page, IDC_COPY_FORMAT, text);
}

PageCommand TooltipCopyPage::OnCommand(HWND page, int control, int code)
{
    switch (code) {
    case BN_CLICKED:
        return OnClick(page, control);
    case EN_CHANGE:
        return OnTooltipCopyPageEdit(page, record_, control);
    default:
        return PageCommand::Ignored;
    }
}

std::unique_ptr<SheetPage> MakeTooltipCopyPage(HINSTANCE instance, ClockSettings& record, const PageChoosers& choosers,
                                               const PageFonts& fonts)
{
    return std::make_unique<TooltipCopyPage>(instance, record, choosers, fonts);
}
