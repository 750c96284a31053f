// The one dialog procedure of all six pages: the sheet's notifications, OK and
// Cancel, context help and the shared fonts; page controls go to their page.
#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include "HoralumeResources.h"
#include "LoaderMessages.h"
#include "LoaderState.h"
#include "Pages.h"
#include "RegKey.h"
#include "SettingsStore.h"

static const char kHelpFile[] = "HORALUME.HLP";

struct PageFunctions {
    UINT dialogId;
    void (*init)(HWND page);
    BOOL (*command)(HWND page, int control, int code);
};

static const PageFunctions kPages[] = {
    {IDD_CLOCK_PAGE, InitClockPage, OnClockPageCommand},
    {IDD_TOOLTIP_COPY_PAGE, InitTooltipCopyPage, OnTooltipCopyPageCommand},
    {IDD_ADVANCED_PAGE, InitAdvancedPage, OnAdvancedPageCommand},
    {IDD_ABOUT_PAGE, InitAboutPage, OnAboutPageCommand},
    {IDD_CALENDAR_PAGE, InitCalendarPage, OnCalendarPageCommand},
    {IDD_MENU_PAGE, InitMenuPage, OnMenuPageCommand},
};

static UINT PageId(HWND page)
{
    return static_cast<UINT>(GetWindowLongPtrA(page, GWLP_USERDATA));
}

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

// Null when the page has no font of its own.
static HFONT DeriveDialogFont(HWND page, void (*change)(LOGFONTA& font))
{
    HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageA(page, WM_GETFONT, 0, 0));
    LOGFONTA font;
    if (dialogFont == nullptr || GetObjectA(dialogFont, sizeof font, &font) == 0) {
        return nullptr;
    }
    change(font);
    return CreateFontIndirectA(&font);
}

// Once per user, and only where the resource meter library could be missing.
static void WarnAboutResourceMeter(HWND page)
{
    if (g_loader.rsrc32Available || g_loader.isNT) {
        return;
    }
    RegKeyWriter settings;
    settings.Create(HKEY_CURRENT_USER, kHoralumeKey, kSettingsSubkey);
    if (settings.ReadBool("WarnRSRC32", true)) {
        HWND sheet = GetParent(page);
        if (ShowLoaderMessage(sheet, IDS_RSRC32_MISSING, IDS_HORALUME, MB_ICONWARNING | MB_YESNO) == IDYES) {
            WinHelpA(sheet, kHelpFile, HELP_CONTEXT, IDH_RSRC32_MISSING);
        }
        settings.WriteBool("WarnRSRC32", false);
        g_loader.rsrc32Available = true;
    }
}

static void InitPage(HWND page, const PROPSHEETPAGEA* description)
{
    if (g_loader.formatEditFont == nullptr) {
        g_loader.formatEditFont = DeriveDialogFont(page, MakeFixedPitch);
    }
    if (g_loader.linkFont == nullptr) {
        g_loader.linkFont = DeriveDialogFont(page, MakeUnderlined);
    }
    const UINT dialogId = static_cast<UINT>(description->lParam);
    SetWindowLongPtrA(page, GWLP_USERDATA, static_cast<LONG_PTR>(dialogId));
    if (const PageFunctions* functions = FindPage(dialogId)) {
        functions->init(page);
    }
    WarnAboutResourceMeter(page);
}

static void CloseHelp(HWND page)
{
    WinHelpA(GetParent(page), kHelpFile, HELP_QUIT, 0);
}

static void OnOk(HWND page)
{
    if (g_loader.okDone) {
        return;
    }
    g_loader.okDone = true;
    SaveClockSettings();
    WriteLastPage(g_loader.lastPage);
    CloseHelp(page);
}

static void OnCancel(HWND page)
{
    if (g_loader.cancelDone) {
        return;
    }
    g_loader.cancelDone = true;
    WriteLastPage(g_loader.lastPage);
    LoadClockSettings(g_loader.settings); // the clock goes back to the stored settings
    g_loader.autostart = ReadAutostart();
    PushClockSettings();
    CloseHelp(page);
}

static BOOL OnSheetNotify(HWND page, const NMHDR* header)
{
    switch (header->code) {
    case PSN_SETACTIVE:
        g_loader.lastPage = PageId(page);
        SetWindowLongPtrA(page, DWLP_MSGRESULT, 0);
        return TRUE;
    case PSN_KILLACTIVE:
        SetWindowLongPtrA(page, DWLP_MSGRESULT, FALSE);
        return TRUE;
    case PSN_APPLY:
        OnOk(page);
        SetWindowLongPtrA(page, DWLP_MSGRESULT, PSNRET_NOERROR);
        return TRUE;
    case PSN_RESET:
        OnCancel(page);
        return TRUE;
    case PSN_HELP:
        WinHelpA(GetParent(page), kHelpFile, HELP_CONTEXT, g_loader.lastPage);
        return TRUE;
    }
    return FALSE;
}

static BOOL OnCommand(HWND page, int control, int code)
{
    if (code != 0 && code != 1 && code != EN_CHANGE) {
        return FALSE;
    }
    const PageFunctions* functions = FindPage(PageId(page));
    return functions != nullptr && functions->command(page, control, code);
}

// The topic of a control's help is its own identifier.
static void ShowControlHelp(HWND control, int controlId, UINT command)
{
    DWORD topics[] = {static_cast<DWORD>(controlId), static_cast<DWORD>(controlId), 0, 0};
    WinHelpA(control, kHelpFile, command, reinterpret_cast<ULONG_PTR>(topics));
}

INT_PTR CALLBACK PageDialogProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        InitPage(page, reinterpret_cast<const PROPSHEETPAGEA*>(lParam));
        return TRUE;
    case WM_NOTIFY:
        return OnSheetNotify(page, reinterpret_cast<const NMHDR*>(lParam));
    case WM_COMMAND:
        return OnCommand(page, LOWORD(wParam), HIWORD(wParam));
    case WM_HELP: {
        const auto* help = reinterpret_cast<const HELPINFO*>(lParam);
        if (help->iCtrlId > 0) {
            ShowControlHelp(static_cast<HWND>(help->hItemHandle), help->iCtrlId, HELP_WM_HELP);
        }
        return FALSE;
    }
    case WM_CONTEXTMENU: {
        HWND control = reinterpret_cast<HWND>(wParam);
        const int controlId = GetDlgCtrlID(control);
        if (controlId != 0) {
            ShowControlHelp(control, controlId, HELP_CONTEXTMENU);
        }
        return FALSE;
    }
    case WM_SETCURSOR:
        return OnAboutLinkCursor(page);
    case WM_CTLCOLORSTATIC:
        return OnAboutLinkColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_INITMENU:
        OnFormatMenuInit(reinterpret_cast<HMENU>(wParam));
        return FALSE;
    }
    return FALSE;
}
