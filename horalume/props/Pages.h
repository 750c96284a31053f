// The property pages' own functions. One dialog procedure serves all six
// (PageDialog); it hands each page's initialisation and control notifications
// to that page's functions and pushes the record once a handler changed it.
#pragma once

#include "LoaderState.h"

#include <windows.h>

#include <prsht.h>

enum class PageCommand {
    Ignored, // not a control of this page, or not its event
    Handled, // nothing the clock shows has changed
    Changed, // the record changed: the clock is to preview it
};

// Per page: Init<Page>Page runs on WM_INITDIALOG; On<Page>PageCommand gets
// clicks, selection changes (code 0 or 1) and EN_CHANGE of the page's controls.
void InitClockPage(HWND page, LoaderState& state);
PageCommand OnClockPageCommand(HWND page, LoaderState& state, int control, int code);
void InitTooltipCopyPage(HWND page, LoaderState& state);
PageCommand OnTooltipCopyPageCommand(HWND page, LoaderState& state, int control, int code);
void InitAdvancedPage(HWND page, LoaderState& state);
PageCommand OnAdvancedPageCommand(HWND page, LoaderState& state, int control, int code);
void InitCalendarPage(HWND page, LoaderState& state);
PageCommand OnCalendarPageCommand(HWND page, LoaderState& state, int control, int code);
void InitMenuPage(HWND page, LoaderState& state);
PageCommand OnMenuPageCommand(HWND page, LoaderState& state, int control, int code);
void InitAboutPage(HWND page, LoaderState& state);
PageCommand OnAboutPageCommand(HWND page, LoaderState& state, int control, int code);

// Greys the format-element menu's items that this system cannot fill (any page).
void OnFormatMenuInit(HMENU menu, const LoaderState& state);

// The About page's links: blue text and a hand cursor.
INT_PTR OnAboutLinkColour(HDC dc, HWND control);
BOOL OnAboutLinkCursor(HWND page, HINSTANCE instance);
