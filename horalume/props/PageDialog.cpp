#include "PageDialog.h"

#include "HelpFile.h"
#include "HoralumeResources.h"
#include "LoaderMessages.h"
#include "Pages.h"
#include "RegKey.h"
#include "Win32Handles.h"

#include <commctrl.h>

namespace {
struct PageFunctions {
    UINT dialogId;
    void (*init)(HWND page, LoaderState& state);
    PageCommand (*command)(HWND page, LoaderState& state, int control, int code);
};
} // namespace

static const PageFunctions kPages[] = {
    {IDD_CLOCK_PAGE, InitClockPage, OnClockPageCommand},
    {IDD_TOOLTIP_COPY_PAGE, InitTooltipCopyPage, OnTooltipCopyPageCommand},
    {IDD_ADVANCED_PAGE, InitAdvancedPage, OnAdvancedPageCommand},
    {IDD_ABOUT_PAGE, InitAboutPage, OnAboutPageCommand},
    {IDD_CALENDAR_PAGE, InitCalendarPage, OnCalendarPageCommand},
    {IDD_MENU_PAGE, InitMenuPage, OnMenuPageCommand},
};

static const PageFunctions* FindPage(UINT dialogId)
{
    for (const PageFunctions& functions : kPages) {
        if (functions.dialogId == dialogId) {
            return &functions;
        }
    }
    return nullptr;
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
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<PageDialog*>(reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam);
        SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(dialog));
        dialog->window_ = window;
        dialog->OnInitDialog();
        return TRUE;
    }
    // Controls talk to the page before WM_INITDIALOG; nothing to do yet then.
    auto* dialog = reinterpret_cast<PageDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    return dialog != nullptr ? dialog->HandleMessage(message, wParam, lParam) : FALSE;
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
        OnFormatMenuInit(reinterpret_cast<HMENU>(wParam), state_);
        return FALSE;
    }
    return FALSE;
}

void PageDialog::OnInitDialog()
{
    if (!state_.formatEditFont) {
        state_.formatEditFont = DeriveDialogFont(window_, MakeFixedPitch);
    }
    if (!state_.linkFont) {
        state_.linkFont = DeriveDialogFont(window_, MakeUnderlined);
    }
    SetWindowLongPtrA(window_, GWLP_USERDATA, static_cast<LONG_PTR>(dialogId_));
    if (const PageFunctions* functions = FindPage(dialogId_)) {
        functions->init(window_, state_);
    }
    WarnAboutResourceMeter();
}

// Once per user, and only where the resource meter library could be missing.
void PageDialog::WarnAboutResourceMeter()
{
    if (state_.rsrc32Available || state_.isNT) {
        return;
    }
    RegKeyWriter settings;
    settings.Create(HKEY_CURRENT_USER, kHoralumeKey, kSettingsSubkey);
    if (settings.ReadBool("WarnRSRC32", true)) {
        HWND sheet = GetParent(window_);
        if (ShowLoaderMessage(state_.instance, sheet, IDS_RSRC32_MISSING, IDS_HORALUME, MB_ICONWARNING | MB_YESNO) ==
            IDYES) {
            ShowHelpTopic(sheet, IDH_RSRC32_MISSING);
        }
        settings.WriteBool("WarnRSRC32", false);
        state_.rsrc32Available = true;
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
        ShowLoaderError(state_.instance, GetParent(window_), IDS_SAVE_FAILED, IDS_HORALUME, static_cast<DWORD>(error));
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
    const PageFunctions* functions = FindPage(dialogId_);
    const PageCommand result =
        functions != nullptr ? functions->command(window_, state_, control, code) : PageCommand::Ignored;
    if (result == PageCommand::Changed) {
        state_.session.Push();
    }
    return result != PageCommand::Ignored;
}
