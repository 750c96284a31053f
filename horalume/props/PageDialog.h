// One page of the properties sheet, bound to its window: the sheet's
// notifications, OK and Cancel, context help and the shared fonts; the page's
// controls go to its page object (Pages.h).
#pragma once

#include "horalume/props/Pages.h"
#include "horalume/settings/SheetState.h"

#include <windows.h>

#include <prsht.h>

#include <memory>

class PageDialog {
public:
    PageDialog(SheetState& state, UINT dialogId)
        : state_(state), dialogId_(dialogId), page_(MakeSheetPage(dialogId, state))
    {
    }
    PageDialog(const PageDialog&) = delete;
    PageDialog& operator=(const PageDialog&) = delete;

    // A page description whose procedure binds this object to the page window.
    PROPSHEETPAGEA_V1 Describe() const;

    // The description's lParam is the PageDialog; the window is bound to it
    // through WindowBinding.h, where tests find it too.
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    UINT DialogId() const { return dialogId_; }
    SheetPage& Page() { return *page_; }

private:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnInitDialog();
    void WarnAboutResourceMeter();
    BOOL OnSheetNotify(const NMHDR* header);
    // False when the settings could not be saved; the user has been told why.
    bool OnOk();
    void OnCancel();
    BOOL OnCommand(int control, int code);

    SheetState& state_;
    UINT dialogId_;
    std::unique_ptr<SheetPage> page_; // null for a dialog that is no page
    HWND window_ = nullptr;
};
