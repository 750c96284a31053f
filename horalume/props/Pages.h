// The property pages. One dialog procedure serves all six; it hands each
// page's initialisation and control notifications to that page's functions.
#pragma once

#include <windows.h>

#include <prsht.h>

INT_PTR CALLBACK PageDialogProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// Per page: Init<Page>Page runs on WM_INITDIALOG; On<Page>PageCommand gets
// clicks, selection changes (code 0 or 1) and EN_CHANGE of the page's
// controls and returns TRUE when it handled the control.
void InitClockPage(HWND page);
BOOL OnClockPageCommand(HWND page, int control, int code);
void InitTooltipCopyPage(HWND page);
BOOL OnTooltipCopyPageCommand(HWND page, int control, int code);
void InitAdvancedPage(HWND page);
BOOL OnAdvancedPageCommand(HWND page, int control, int code);
void InitCalendarPage(HWND page);
BOOL OnCalendarPageCommand(HWND page, int control, int code);
void InitMenuPage(HWND page);
BOOL OnMenuPageCommand(HWND page, int control, int code);
void InitAboutPage(HWND page);
BOOL OnAboutPageCommand(HWND page, int control, int code);

// Greys the format-element menu's items that this system cannot fill (any page).
void OnFormatMenuInit(HMENU menu);

// The About page's links: blue text and a hand cursor.
INT_PTR OnAboutLinkColour(HDC dc, HWND control);
BOOL OnAboutLinkCursor(HWND page);
