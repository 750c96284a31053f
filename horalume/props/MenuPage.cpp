#include "MenuPage.h"

#include "HoralumeResources.h"
#include "PageControls.h"
#include "PageText.h"
#include "SettingsStore.h"

namespace {

struct MouseAction {
    UINT text;
    std::uint32_t command;
};

// Both lists, in this order; each entry carries its command as item data.
constexpr MouseAction kMouseActions[] = {
    {IDS_COMMAND_DEFAULT, ClockCommand::WindowsDefault},
    {IDS_COMMAND_NOTHING, ClockCommand::DoNothing},
    {IDS_COMMAND_PROPERTIES, ClockCommand::Properties},
    {IDS_COMMAND_CALENDAR, ClockCommand::Calendar},
    {IDS_COMMAND_COPY, ClockCommand::Copy},
};

// A stored command that is none of the five shows "Windows default" but stays
// in the record until the user picks another entry.
void FillMouseActions(HWND page, int control, std::uint32_t stored)
{
    HWND list = GetDlgItem(page, control);
    LRESULT shown = 0;
    for (const MouseAction& action : kMouseActions) {
        char text[128];
        LoadPageText(action.text, text);
        const LRESULT index = SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        if (index < 0) {
            continue;
        }
        SendMessageA(list, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(action.command));
        if (action.command == stored) {
            shown = index;
        }
    }
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(shown), 0);
}

void ChooseMouseAction(HWND page, int control, std::uint32_t& command)
{
    HWND list = GetDlgItem(page, control);
    const LRESULT index = SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (index < 0) {
        return;
    }
    command = static_cast<std::uint32_t>(SendMessageA(list, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
    PushClockSettings();
}

bool OnMenuPageClick(HWND page, int control)
{
    switch (control) {
    case IDC_FANCY_BANNER:
        SetDisplayFlag(DisplayFlag::FancyBanner, IsChecked(page, IDC_FANCY_BANNER));
        break;
    case IDC_BOOTH_MODE:
        SetDisplayFlag(DisplayFlag::BoothMode, IsChecked(page, IDC_BOOTH_MODE));
        UpdateBannerState(page);
        break;
    case IDC_NEW_ITEMS_AT_TOP:
        SetDisplayFlag(DisplayFlag::NewItemsAtBottom, !IsChecked(page, IDC_NEW_ITEMS_AT_TOP));
        break;
    default:
        return false;
    }
    PushClockSettings();
    return true;
}

} // namespace

void InitMenuPage(HWND page)
{
    FillMouseActions(page, IDC_CLICK_COMMAND, g_loader.settings.clickCommand);
    FillMouseActions(page, IDC_DBLCLICK_COMMAND, g_loader.settings.dblClickCommand);
    Check(page, IDC_FANCY_BANNER, HasDisplayFlag(DisplayFlag::FancyBanner));
    Check(page, IDC_BOOTH_MODE, HasDisplayFlag(DisplayFlag::BoothMode));
    Check(page, IDC_NEW_ITEMS_AT_TOP, !HasDisplayFlag(DisplayFlag::NewItemsAtBottom));
    UpdateBannerState(page);
}

void UpdateBannerState(HWND page)
{
    const bool booth = IsChecked(page, IDC_BOOTH_MODE);
    EnableWindow(GetDlgItem(page, IDC_FANCY_BANNER), !booth);
    Check(page, IDC_FANCY_BANNER, !booth && HasDisplayFlag(DisplayFlag::FancyBanner));
}

BOOL OnMenuPageCommand(HWND page, int control, int code)
{
    switch (control) {
    case IDC_CLICK_COMMAND:
    case IDC_DBLCLICK_COMMAND:
        if (code != CBN_SELCHANGE) {
            return FALSE;
        }
        ChooseMouseAction(page, control,
                          control == IDC_CLICK_COMMAND ? g_loader.settings.clickCommand
                                                       : g_loader.settings.dblClickCommand);
        return TRUE;
    default:
        return code == BN_CLICKED && OnMenuPageClick(page, control);
    }
}
