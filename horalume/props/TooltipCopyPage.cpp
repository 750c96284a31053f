#include "TooltipCopyPage.h"

#include <initializer_list>

#include "FormatMenu.h"
#include "HoralumeResources.h"
#include "PageControls.h"
#include "SettingsStore.h"

namespace {

void SetFormatBoxFont(HWND page, int control)
{
    SendDlgItemMessageA(page, control, WM_SETFONT, reinterpret_cast<WPARAM>(g_loader.formatEditFont), FALSE);
}

// The box shows other formats while disabled; only its own text is stored.
void StoreCopyFormat(HWND page)
{
    if (!IsWindowEnabled(GetDlgItem(page, IDC_COPY_FORMAT))) {
        return;
    }
    ReadFormatBox(page, IDC_COPY_FORMAT, g_loader.settings.copyFormatString);
    PushClockSettings();
}

void ChooseCopySource(HWND page, bool sameAsClock, bool sameAsTooltip)
{
    SetDisplayFlag(DisplayFlag::CopySameAsClock, sameAsClock);
    SetDisplayFlag(DisplayFlag::CopySameAsTooltip, sameAsTooltip);
    UpdateCopyFormatState(page);
    PushClockSettings();
}

void PickFormatElement(HWND page, int formatBox)
{
    ShowFormatMenu(page, formatBox);
    SetFocus(GetDlgItem(page, formatBox));
}

bool OnTooltipCopyPageEdit(HWND page, int control)
{
    switch (control) {
    case IDC_TOOLTIP_FORMAT:
        ReadFormatBox(page, IDC_TOOLTIP_FORMAT, g_loader.settings.tooltipFormatString);
        PushClockSettings();
        return true;
    case IDC_COPY_FORMAT:
        StoreCopyFormat(page);
        return true;
    default:
        return false;
    }
}

bool OnTooltipCopyPageClick(HWND page, int control)
{
    switch (control) {
    case IDC_CUSTOM_TOOLTIP:
        SetDisplayFlag(DisplayFlag::CustomTooltip, IsChecked(page, IDC_CUSTOM_TOOLTIP));
        UpdateTooltipState(page);
        PushClockSettings();
        return true;
    case IDC_TOOLTIP_FORMAT_ELEMENTS:
        PickFormatElement(page, IDC_TOOLTIP_FORMAT);
        ReadFormatBox(page, IDC_TOOLTIP_FORMAT, g_loader.settings.tooltipFormatString);
        PushClockSettings();
        return true;
    case IDC_TOOLTIP_STAYS:
        SetDisplayFlag(DisplayFlag::TooltipStays, IsChecked(page, IDC_TOOLTIP_STAYS));
        PushClockSettings();
        return true;
    case IDC_COPY_CUSTOM:
        ChooseCopySource(page, false, false);
        return true;
    case IDC_COPY_SAME_AS_CLOCK:
        ChooseCopySource(page, true, false);
        return true;
    case IDC_COPY_SAME_AS_TOOLTIP:
        ChooseCopySource(page, false, true);
        return true;
    case IDC_COPY_FORMAT_ELEMENTS:
        PickFormatElement(page, IDC_COPY_FORMAT);
        StoreCopyFormat(page);
        return true;
    default:
        return false;
    }
}

} // namespace

void InitTooltipCopyPage(HWND page)
{
    const ClockSettings& settings = g_loader.settings;
    if (g_loader.formatEditFont) {
        SetFormatBoxFont(page, IDC_TOOLTIP_FORMAT);
        SetFormatBoxFont(page, IDC_COPY_FORMAT);
    }
    SendDlgItemMessageA(page, IDC_TOOLTIP_FORMAT, EM_LIMITTEXT, kFormatFieldSize - 1, 0);
    SendDlgItemMessageA(page, IDC_COPY_FORMAT, EM_LIMITTEXT, kFormatFieldSize - 1, 0);
    SetDlgItemTextA(page, IDC_TOOLTIP_FORMAT, settings.tooltipFormatString);
    SetDlgItemTextA(page, IDC_COPY_FORMAT, settings.copyFormatString);

    const bool sameAsClock = HasDisplayFlag(DisplayFlag::CopySameAsClock);
    const bool sameAsTooltip = HasDisplayFlag(DisplayFlag::CopySameAsTooltip);
    Check(page, IDC_CUSTOM_TOOLTIP, HasDisplayFlag(DisplayFlag::CustomTooltip));
    Check(page, IDC_TOOLTIP_STAYS, HasDisplayFlag(DisplayFlag::TooltipStays));
    // "Same as clock" last: where checking a radio button clears the others
    // of its group, a record with both flags still shows the clock format.
    Check(page, IDC_COPY_SAME_AS_TOOLTIP, sameAsTooltip);
    Check(page, IDC_COPY_SAME_AS_CLOCK, sameAsClock);
    Check(page, IDC_COPY_CUSTOM, !sameAsClock && !sameAsTooltip);
    UpdateCopyFormatState(page);
    UpdateTooltipState(page);
}

void UpdateTooltipState(HWND page)
{
    const bool custom = HasDisplayFlag(DisplayFlag::CustomTooltip);
    for (int control : {IDC_TOOLTIP_FORMAT, IDC_TOOLTIP_FORMAT_ELEMENTS, IDC_TOOLTIP_STAYS}) {
        EnableWindow(GetDlgItem(page, control), custom);
    }
}

void UpdateCopyFormatState(HWND page)
{
    const ClockSettings& settings = g_loader.settings;
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

BOOL OnTooltipCopyPageCommand(HWND page, int control, int code)
{
    switch (code) {
    case BN_CLICKED:
        return OnTooltipCopyPageClick(page, control);
    case EN_CHANGE:
        return OnTooltipCopyPageEdit(page, control);
    default:
        return false;
    }
}
