// The clock's right-click menu: the component's own items ("Horalume
// Properties", "Calendar", "Copy", with a banner above them when asked) put
// into the plain clock's own menu, or shown alone when the plain clock shows
// none.
#pragma once

#include "clockhook/CalendarWindow.h"
#include "clockhook/model/ClockModel.h"

#include <windows.h>

// WM_CONTEXTMENU on the clock.
void OnClockContextMenu(HWND clock, WNDPROC plainClock, const ClockModel& model, CalendarWindow& calendar,
                        WPARAM wParam, LPARAM lParam);
// WM_INITMENUPOPUP on the clock: adds the component's items to the plain
// clock's menu while it opens for a right click.
void OnClockInitMenuPopup(HMENU menu, const ClockModel& model, LPARAM lParam);

// The banner is drawn by the clock; each returns whether the item was ours.
bool OnMenuMeasureItem(HWND clock, MEASUREITEMSTRUCT* item);
bool OnMenuDrawItem(const DRAWITEMSTRUCT* item);

// The banner item's identifier (never a command).
constexpr UINT kMenuBannerId = 0x9990;
constexpr char kMenuBannerText[] = "Horalume";
