// The sheet's help: HORALUME.CHM beside the program, shown by HTML Help. A
// page's topic and the popups of its controls go by the context numbers that
// the resource identifiers give (HoralumeResources.h).
#pragma once

#include <windows.h>

#include <htmlhelp.h>

// The help window on the topic of a context number: a page, or 2091.
void ShowHelpTopic(HWND owner, DWORD context);

// The popup text of a control, for F1 (HH_TP_HELP_WM_HELP) or its context
// menu (HH_TP_HELP_CONTEXTMENU); the control's identifier is its topic.
void ShowControlHelp(HWND control, int controlId, UINT command);

// Closes the help windows this run opened, if any.
void CloseHelpWindows();
