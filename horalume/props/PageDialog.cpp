#include "horalume/props/PageDialog.h"

#include "horalume/props/HelpFile.h"
#include "horalume/props/Pages.h"
#include "resources/horalume/HoralumeResources.h"
#include "win32/RegKey.h"
#include "win32/TableMessages.h"
#include "win32/Win32Handles.h"
#include "win32/WindowBinding.h"

#include <commctrl.h>

std::unique_ptr<SheetPage> MakeSheetPage(UINT dialogId, SheetState& state)
{
    switch (dialogId) {
    case IDD_CLOCK_PAGE:
        return MakeClockPage(state.instance, state.session, state.choosers, state.fonts);
    case IDD_TOOLTIP_COPY_PAGE:
        return MakeTooltipCopyPage(state.instance, state.session.record, state.choosers, state.fonts);
    case IDD_ADVANCED_PAGE:
        return MakeAdvancedPage(state.instance, state.session, state.choosers, state.system, state.removeComponent);
    case IDD_ABOUT_PAGE:
        return MakeAboutPage(state.instance, state.fonts);
    case IDD_CALENDAR_PAGE:
        return MakeCalendarPage(state.instance, state.session.record, state.choosers);
    case IDD_MENU_PAGE:
        return MakeMenuPage(state.instance, state.session.record);
    default:
        return nullptr;
    }
}

// The two variants of the dialog font that the pages share; every other field
// stays that of the dialog font.
static void MakeFixedPitch(LOGFONTA& font)
{
    font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpynA(font.lfFaceName, "Courier New", LF_FACESIZE);
}

static void MakeUnderlined(LOGFONTA& font)
{
    font.lfUnderline = TRUE;
}

// None when the page has no font of its own.
static UniqueFont DeriveDialogFont(HWND page, void (*change)(LOGFONTA& font))
{
    HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageA(page, WM_GETFONT, 0, 0));
    LOGFONTA font;
    if (dialogFont == nullptr || GetObjectA(dialogFont, sizeof font, &font) == 0) {
        return UniqueFont();
    }
    change(font);
    return UniqueFont(CreateFontIndirectA(&font));
}

PROPSHEETPAGEA_V1 PageDialog::Describe() const
{
    PROPSHEETPAGEA_V1 page{};
    page.dwSize = sizeof(PROPSHEETPAGEA_V1);
    page.dwFlags = PSP_HASHELP;
    page.hInstance = state_.instance;
    page.pszTemplate = MAKEINTRESOURCEA(dialogId_);
    page.pfnDlgProc = DialogProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return page;
}

INT_PTR CALLBACK PageDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Controls talk to the page before WM_INITDIALOG; nothing to do yet then.
    PageDialog* dialog = BoundPageObject<PageDialog>(window, message, lParam);
    if (dialog == nullptr) {
        return FALSE;
    }
    if (message == WM_INITDIALOG) {
        dialog->window_ = window;
        dialog->OnInitDialog();
        return TRUE;
    }
    return dialog->HandleMessage(message, wParam, lParam);
}

INT_PTR PageDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NOTIFY:
        return OnSheetNotify(reinterpret_cast<const NMHDR*>(lParam));
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam));
    case WM_HELP: {
        const auto* help = reinterpret_cast<const HELPINFO*>(lParam);
        if (help->iCtrlId > 0) {
            ShowControlHelp(static_cast<HWND>(help->hItemHandle), help->iCtrlId, HH_TP_HELP_WM_HELP);
        }
        return FALSE;
    }
    case WM_CONTEXTMENU: {
        HWND control = reinterpret_cast<HWND>(wParam);
        const int controlId = GetDlgCtrlID(control);
        if (controlId != 0) {
            ShowControlHelp(control, controlId, HH_TP_HELP_CONTEXTMENU);
        }
        return FALSE;
    }
    case WM_SETCURSOR:
        return OnAboutLinkCursor(window_, state_.instance);
    case WM_CTLCOLORSTATIC:
        return OnAboutLinkColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_INITMENU:
        OnFormatMenuInit(reinterpret_cast<HMENU>(wParam), state_.system);
        return FALSE;
    }
    return FALSE;
}

void PageDialog::OnInitDialog()
{
    if (!state_.fonts.formatEdit) {
        state_.fonts.formatEdit = DeriveDialogFont(window_, MakeFixedPitch);
    }
    if (!state_.fonts.link) {
        state_.fonts.link = DeriveDialogFont(window_, MakeUnderlined);
    }
    if (page_) {
        page_->Init(window_);
    }
    WarnAboutResourceMeter();
}

// Once per user, and only where the resource meter library could be missing.
void PageDialog::WarnAboutResourceMeter()
{
    if (state_.system.rsrc32Available || state_.system.isNT) {
        return;
    }
    RegKeyWriter settings;
    settings.Create(HKEY_CURRENT_USER, kHoralumeKey, kSettingsSubkey);
    if (settings.ReadBool("WarnRSRC32", true)) {
        HWND sheet = GetParent(window_);
        if (ShowTableMessage(state_.instance, sheet, IDS_RSRC32_MISSING, IDS_HORALUME, MB_ICONWARNING | MB_YESNO) ==
            IDYES) {
            ShowHelpTopic(sheet, IDH_RSRC32_MISSING);
        }
        settings.WriteBool("WarnRSRC32", false);
        state_.system.rsrc32Available = true;
    }
}

BOOL PageDialog::OnSheetNotify(const NMHDR* header)
{
    switch (header->code) {
    case PSN_SETACTIVE:
        state_.lastPage = dialogId_;
        SetWindowLongPtrA(window_, DWLP_MSGRESULT, 0);
        return TRUE;
    case PSN_KILLACTIVE:
        SetWindowLongPtrA(window_, DWLP_MSGRESULT, FALSE);
        return TRUE;
    case PSN_APPLY:
        // A failed save keeps the sheet open with the user's changes, so that nothing is lost unseen.
        SetWindowLongPtrA(window_, DWLP_MSGRESULT, OnOk() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE);
        return TRUE;
    case PSN_RESET:
        OnCancel();
        return TRUE;
    case PSN_HELP:
        ShowHelpTopic(GetParent(window_), state_.lastPage);
        return TRUE;
    }
    return FALSE;
}

bool PageDialog::OnOk()
{
    if (state_.okDone) {
        return true;
    }
    const LONG error = state_.session.Save();
    if (error != ERROR_SUCCESS) {
        ShowTableError(state_.instance, GetParent(window_), IDS_SAVE_FAILED, IDS_HORALUME, static_cast<DWORD>(error));
        return false;
    }
    state_.okDone = true;
    WriteLastPage(state_.lastPage);
    CloseHelpWindows();
    return true;
}

void PageDialog::OnCancel()
{
    if (state_.cancelDone) {
        return;
    }
    state_.cancelDone = true;
    WriteLastPage(state_.lastPage);
    state_.session.Reload(); // the clock goes back to the stored settings
    state_.session.Push();
    CloseHelpWindows();
}

BOOL PageDialog::OnCommand(int control, int code)
{
    if (code != 0 && code != 1 && code != EN_CHANGE) {
        return FALSE;
    }
    const PageCommand result = page_ ? page_->OnCommand(window_, control, code) : PageCommand::Ignored;
    if (result == PageCommand::Changed) {
        state_.session.Push();
    }
    return result != PageCommand::Ignored;
}
