// One page of the properties sheet, bound to its window: the sheet's
// notifications, OK and Cancel, context help and the shared fonts; the page's
// controls go to its own functions (Pages.h).
#pragma once

#include "LoaderState.h"

#include <windows.h>

#include <prsht.h>

class PageDialog {
public:
    PageDialog(LoaderState& state, UINT dialogId) : state_(state), dialogId_(dialogId) {}
    PageDialog(const PageDialog&) = delete;
    PageDialog& operator=(const PageDialog&) = delete;

    // A page description whose procedure binds this object to the page window.
    PROPSHEETPAGEA_V1 Describe() const;

    // The description's lParam is the PageDialog.
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnInitDialog();
    void WarnAboutResourceMeter();
    BOOL OnSheetNotify(const NMHDR* header);
    // False when the settings could not be saved; the user has been told why.
    bool OnOk();
    void OnCancel();
    BOOL OnCommand(int control, int code);

    LoaderState& state_;
    UINT dialogId_;
    HWND window_ = nullptr;
};
