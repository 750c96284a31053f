#include "horalume/props/MenuPage.h"

#include "horalume/props/PageControls.h"
#include "horalume/props/PageText.h"
#include "resources/horalume/HoralumeResources.h"

namespace {
struct MouseAction {
    UINT text;
    std::uint32_t command;
};
} // namespace

// Both lists, in this order; each entry carries its command as item data.
namespace {
class MenuPage final : public SheetPage {
public:
    MenuPage(HINSTANCE instance, ClockSettings& record) : instance_(instance), record_(record) {}

    void Init(HWND page) override;
    PageCommand OnCommand(HWND page, int control, int code) override;

private:
    HINSTANCE instance_;
    ClockSettings& record_;
};
} // namespace

static constexpr MouseAction kMouseActions[] = {
    {IDS_COMMAND_DEFAULT, ClockCommand::WindowsDefault},
    {IDS_COMMAND_NOTHING, ClockCommand::DoNothing},
    {IDS_COMMAND_PROPERTIES, ClockCommand::Properties},
    {IDS_COMMAND_CALENDAR, ClockCommand::Calendar},
    {IDS_COMMAND_COPY, ClockCommand::Copy},
};

// A stored command that is none of the five shows "Windows default" but stays
// in the record until the user picks another entry.
static void FillMouseActions(HWND page, HINSTANCE instance, int control, std::uint32_t stored)
{
    HWND list = GetDlgItem(page, control);
    LRESULT shown = 0;
    for (const MouseAction& action : kMouseActions) {
        char text[128];
        LoadPageText(instance, action.text, text);
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

static PageCommand ChooseMouseAction(HWND page, int control, std::uint32_t& command)
{
    HWND list = GetDlgItem(page, control);
    const LRESULT index = SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (index < 0) {
        return PageCommand::Handled;
    }
    command = static_cast<std::uint32_t>(SendMessageA(list, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
    return PageCommand::Changed;
}

static PageCommand OnMenuPageClick(HWND page, ClockSettings& settings, int control)
{
    switch (control) {
    case IDC_FANCY_BANNER:
        SetDisplayFlag(settings, DisplayFlag::FancyBanner, IsChecked(page, IDC_FANCY_BANNER));
        return PageCommand::Changed;
    case IDC_BOOTH_MODE:
        SetDisplayFlag(settings, DisplayFlag::BoothMode, IsChecked(page, IDC_BOOTH_MODE));
        UpdateBannerState(page, settings);
        return PageCommand::Changed;
    case IDC_NEW_ITEMS_AT_TOP:
        SetDisplayFlag(settings, DisplayFlag::NewItemsAtBottom, !IsChecked(page, IDC_NEW_ITEMS_AT_TOP));
        return PageCommand::Changed;
    default:
        return PageCommand::Ignored;
    }
}

void MenuPage::Init(HWND page)
{
    const ClockSettings& settings = record_;
    FillMouseActions(page, instance_, IDC_CLICK_COMMAND, settings.clickCommand);
    FillMouseActions(page, instance_, IDC_DBLCLICK_COMMAND, settings.dblClickCommand);
    Check(page, IDC_FANCY_BANNER, HasDisplayFlag(settings, DisplayFlag::FancyBanner));
    Check(page, IDC_BOOTH_MODE, HasDisplayFlag(settings, DisplayFlag::BoothMode));
    Check(page, IDC_NEW_ITEMS_AT_TOP, !HasDisplayFlag(settings, DisplayFlag::NewItemsAtBottom));
    UpdateBannerState(page, settings);
}

void UpdateBannerState(HWND page, const ClockSettings& settings)
{
    const bool booth = IsChecked(page, IDC_BOOTH_MODE);
    EnableWindow(GetDlgItem(page, IDC_FANCY_BANNER), !booth);
    Check(page, IDC_FANCY_BANNER, !booth && HasDisplayFlag(settings, DisplayFlag::FancyBanner));
}

PageCommand MenuPage::OnCommand(HWND page, int control, int code)
{
    ClockSettings& settings = record_;
    switch (control) {
    case IDC_CLICK_COMMAND:
        return code == CBN_SELCHANGE ? ChooseMouseAction(page, control, settings.clickCommand) : PageCommand::Ignored;
    case IDC_DBLCLICK_COMMAND:
        return code == CBN_SELCHANGE ? ChooseMouseAction(page, control, settings.dblClickCommand)
                                     : PageCommand::Ignored;
    default:
        return code == BN_CLICKED ? OnMenuPageClick(page, settings, control) : PageCommand::Ignored;
    }
}

std::unique_ptr<SheetPage> MakeMenuPage(HINSTANCE instance, ClockSettings& record)
{
    return std::make_unique<MenuPage>(instance, record);
}
