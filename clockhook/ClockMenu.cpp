#include "clockhook/ClockMenu.h"

#include "clockhook/ClockCommands.h"
#include "clockhook/Component.h"
#include "clockhook/TaskbarTheme.h"
#include "clockhook/model/ClockChoices.h"

static void InsertItem(HMENU menu, UINT position, UINT id, const char* text)
{
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE;
    item.fType = MFT_STRING;
    item.wID = id;
    item.dwTypeData = const_cast<char*>(text);
    InsertMenuItemA(menu, position, TRUE, &item);
}

static void InsertBanner(HMENU menu, UINT position)
{
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_DATA;
    item.fType = MFT_OWNERDRAW;
    item.fState = MFS_DISABLED;
    item.wID = kMenuBannerId;
    item.dwItemData = reinterpret_cast<ULONG_PTR>(kMenuBannerText);
    InsertMenuItemA(menu, position, TRUE, &item);
}

static void InsertSeparator(HMENU menu, UINT position)
{
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE;
    item.fType = MFT_SEPARATOR;
    InsertMenuItemA(menu, position, TRUE, &item);
}

// Inserts the component's items at the top or the bottom of the menu, set off
// from the plain clock's items by a separator.
static void AddClockItems(HMENU menu, const ClockSettings& settings)
{
    bool atTop = ClockMenuAtTop(settings);
    int plainCount = GetMenuItemCount(menu);
    UINT position = atTop ? 0 : static_cast<UINT>(plainCount);
    if (plainCount > 0 && !atTop) {
        InsertSeparator(menu, position++);
    }
    for (MenuEntry entry : ClockMenuEntries(settings)) {
        switch (entry) {
        case MenuEntry::Banner:
            InsertBanner(menu, position++);
            break;
        case MenuEntry::Properties:
            InsertItem(menu, position++, ClockCommand::Properties, "Horalume Properties");
            break;
        case MenuEntry::Calendar:
            InsertItem(menu, position++, ClockCommand::Calendar, "Calendar");
            break;
        case MenuEntry::Copy:
            InsertItem(menu, position++, ClockCommand::Copy, "Copy");
            break;
        }
    }
    if (plainCount > 0 && atTop) {
        InsertSeparator(menu, position);
    }
    // As everywhere in Windows, the bold item is what a double click does.
    if (GetMenuDefaultItem(menu, FALSE, 0) == static_cast<UINT>(-1) && IsClockMenuCommand(settings.dblClickCommand)) {
        SetMenuDefaultItem(menu, settings.dblClickCommand, FALSE);
    }
}

// Notes whether the plain clock hands the right click to another window
// (a taskbar's own menu), which then shows its menu instead.
static LRESULT CALLBACK WatchMenus(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    ClockMenu* menu = InstalledMenu();
    if (code == HC_ACTION && message->message == WM_INITMENUPOPUP && menu != nullptr) {
        menu->OnMenuOpening(message->hwnd);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void ClockMenu::OnMenuOpening(HWND window)
{
    if (window != clock_) {
        otherWindowMenu_ = true;
    }
}

void ClockMenu::Forget()
{
    watch_.Reset();
    clock_ = nullptr;
    offering_ = false;
    merged_ = false;
    otherWindowMenu_ = false;
}

static POINT MenuPoint(HWND clock, LPARAM lParam)
{
    POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (lParam == -1) { // from the keyboard: the clock's middle
        RECT rect;
        GetWindowRect(clock, &rect);
        point = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }
    return point;
}

static void ShowOwnMenu(HWND clock, const ClockModel& model, CalendarWindow& calendar, LPARAM lParam)
{
    UniqueMenu menu(CreatePopupMenu());
    if (!menu) {
        return;
    }
    AddClockItems(menu.Get(), model.Settings());
    POINT point = MenuPoint(clock, lParam);
    // Without the foreground the menu would not close on a click elsewhere.
    SetForegroundWindow(GetAncestor(clock, GA_ROOT));
    UINT command = static_cast<UINT>(
        TrackPopupMenu(menu.Get(), TPM_RIGHTBUTTON | TPM_RETURNCMD, point.x, point.y, 0, clock, nullptr));
    PostMessageA(clock, WM_NULL, 0, 0);
    menu.Reset();
    if (IsClockMenuCommand(command)) {
        RunClockCommand(clock, model, calendar, command);
    }
}

void ClockMenu::OnContextMenu(HWND clock, WNDPROC plainClock, const ClockModel& model, WPARAM wParam, LPARAM lParam)
{
    if (offering_) {
        return;
    }
    Forget();
    clock_ = clock;
    offering_ = true;
    watch_.Reset(SetWindowsHookExA(WH_CALLWNDPROC, WatchMenus, nullptr, GetCurrentThreadId()));
    CallWindowProcA(plainClock, clock, WM_CONTEXTMENU, wParam, lParam);
    watch_.Reset();
    bool shown = merged_ || otherWindowMenu_;
    Forget();
    if (!shown) {
        ShowOwnMenu(clock, model, calendar_, lParam);
    }
}

void ClockMenu::OnInitMenuPopup(HMENU menu, const ClockModel& model, LPARAM lParam)
{
    // Only the menu itself, not its submenus or the window menu.
    if (!offering_ || merged_ || HIWORD(lParam) != 0) {
        return;
    }
    merged_ = true;
    AddClockItems(menu, model.Settings());
}

static UniqueFont BannerFont()
{
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        return UniqueFont();
    }
    metrics.lfMenuFont.lfWeight = FW_BOLD;
    metrics.lfMenuFont.lfHeight = metrics.lfMenuFont.lfHeight * 5 / 4;
    return UniqueFont(CreateFontIndirectA(&metrics.lfMenuFont));
}

static HGDIOBJ FontOrDefault(const UniqueFont& font)
{
    return font ? static_cast<HGDIOBJ>(font.Get()) : GetStockObject(DEFAULT_GUI_FONT);
}

constexpr int kBannerPadding = 6;

bool OnMenuMeasureItem(HWND clock, MEASUREITEMSTRUCT* item)
{
    if (item->CtlType != ODT_MENU || item->itemID != kMenuBannerId) {
        return false;
    }
    UniqueFont font = BannerFont();
    SIZE size = {0, 0};
    {
        WindowDC dc(clock);
        DCSelection selected(dc.Get(), FontOrDefault(font));
        GetTextExtentPoint32A(dc.Get(), kMenuBannerText, sizeof kMenuBannerText - 1, &size);
    }
    item->itemWidth = static_cast<UINT>(size.cx + 4 * kBannerPadding);
    item->itemHeight = static_cast<UINT>(size.cy + 2 * kBannerPadding);
    return true;
}

// A band with the product's name on it, shading from the active caption
// colour to its gradient partner; in the taskbar theme's colours when the
// taskbar has a dark or light theme.
bool OnMenuDrawItem(const DRAWITEMSTRUCT* item)
{
    if (item->CtlType != ODT_MENU || item->itemID != kMenuBannerId) {
        return false;
    }
    const RECT& band = item->rcItem;
    const TaskbarTheme theme = ReadTaskbarTheme();
    const ThemeColours colours = TaskbarColours(theme);
    const bool themed = theme != TaskbarTheme::System;
    COLORREF from = themed ? colours.background : GetSysColor(COLOR_ACTIVECAPTION);
    COLORREF to = themed ? RGB(128, 128, 128) : GetSysColor(COLOR_GRADIENTACTIVECAPTION);
    int width = band.right - band.left;
    constexpr int kSteps = 32;
    for (int step = 0; step < kSteps; ++step) {
        RECT slice = {band.left + width * step / kSteps, band.top, band.left + width * (step + 1) / kSteps,
                      band.bottom};
        COLORREF colour = RGB(GetRValue(from) + (GetRValue(to) - GetRValue(from)) * step / kSteps,
                              GetGValue(from) + (GetGValue(to) - GetGValue(from)) * step / kSteps,
                              GetBValue(from) + (GetBValue(to) - GetBValue(from)) * step / kSteps);
        UniqueBrush brush(CreateSolidBrush(colour));
        FillRect(item->hDC, &slice, brush.Get());
    }
    UniqueFont font = BannerFont();
    DCSelection selected(item->hDC, FontOrDefault(font));
    SetBkMode(item->hDC, TRANSPARENT);
    SetTextColor(item->hDC, themed ? colours.text : GetSysColor(COLOR_CAPTIONTEXT));
    RECT text = band;
    text.left += 2 * kBannerPadding;
    DrawTextA(item->hDC, kMenuBannerText, -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    return true;
}
