// The property pages as objects. One dialog procedure serves all six
// (PageDialog); it hands each page's initialisation and control notifications
// to that page and pushes the record once a handler changed it. Each page is
// made with the parts of the sheet's state it uses, and keeps only those.
#pragma once

#include "horalume/settings/SheetState.h"

#include <windows.h>

#include <functional>
#include <memory>

enum class PageCommand {
    Ignored, // not a control of this page, or not its event
    Handled, // nothing the clock shows has changed
    Changed, // the record changed: the clock is to preview it
};

class SheetPage {
public:
    virtual ~SheetPage() = default;
    // On WM_INITDIALOG.
    virtual void Init(HWND page) = 0;
    // Clicks, selection changes (code 0 or 1) and EN_CHANGE of the page's controls.
    virtual PageCommand OnCommand(HWND page, int control, int code) = 0;
};

std::unique_ptr<SheetPage> MakeClockPage(HINSTANCE instance, SettingsSession& session, PageChoosers& choosers,
                                         const PageFonts& fonts);
std::unique_ptr<SheetPage> MakeTooltipCopyPage(HINSTANCE instance, ClockSettings& record, const PageChoosers& choosers,
                                               const PageFonts& fonts);
std::unique_ptr<SheetPage> MakeAdvancedPage(HINSTANCE instance, SettingsSession& session, PageChoosers& choosers,
                                            const SystemTraits& system, std::function<bool()> removeComponent);
std::unique_ptr<SheetPage> MakeCalendarPage(HINSTANCE instance, ClockSettings& record, const PageChoosers& choosers);
std::unique_ptr<SheetPage> MakeMenuPage(HINSTANCE instance, ClockSettings& record);
std::unique_ptr<SheetPage> MakeAboutPage(HINSTANCE instance, const PageFonts& fonts);

// The page of dialog dialogId, made from state; null for another dialog.
std::unique_ptr<SheetPage> MakeSheetPage(UINT dialogId, SheetState& state);

// Greys the format-element menu's items that this system cannot fill (any page).
void OnFormatMenuInit(HMENU menu, const SystemTraits& system);

// The About page's links: blue text and a hand cursor.
INT_PTR OnAboutLinkColour(HDC dc, HWND control);
BOOL OnAboutLinkCursor(HWND page, HINSTANCE instance);
