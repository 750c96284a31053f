// The clock's right-click menu: the component's own items ("Horalume
// Properties", "Calendar", "Copy", with a banner above them when asked) put
// into the plain clock's own menu, or shown alone when the plain clock shows
// none.
#pragma once

#include "clockhook/CalendarWindow.h"
#include "clockhook/model/ClockModel.h"
#include "win32/Win32Handles.h"

#include <windows.h>

class ClockMenu {
public:
    explicit ClockMenu(CalendarWindow& calendar) : calendar_(calendar) {}
    ClockMenu(const ClockMenu&) = delete;
    ClockMenu& operator=(const ClockMenu&) = delete;

    // WM_CONTEXTMENU on the clock.
    void OnContextMenu(HWND clock, WNDPROC plainClock, const ClockModel& model, WPARAM wParam, LPARAM lParam);
    // WM_INITMENUPOPUP on the clock: adds the component's items to the plain
    // clock's menu while it opens for a right click.
    void OnInitMenuPopup(HMENU menu, const ClockModel& model, LPARAM lParam);
    // From the thread's hook while the plain clock handles a right click: a
    // menu of some window opens.
    void OnMenuOpening(HWND window);

private:
    void Forget();

    CalendarWindow& calendar_;
    HWND clock_ = nullptr;
    bool offering_ = false;        // the plain clock is handling a right click
    bool merged_ = false;          // our items went into its menu
    bool otherWindowMenu_ = false; // a menu of another window opened meanwhile
    UniqueHook watch_;
};

// The banner is drawn by the clock; each returns whether the item was ours.
bool OnMenuMeasureItem(HWND clock, MEASUREITEMSTRUCT* item);
bool OnMenuDrawItem(const DRAWITEMSTRUCT* item);

// The banner item's identifier (never a command).
constexpr UINT kMenuBannerId = 0x9990;
constexpr char kMenuBannerText[] = "Horalume";
