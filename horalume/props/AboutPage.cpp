// The About page: product notice and two links that open in the default
// browser and mail program.
#include <windows.h>

#include <shellapi.h>

#include "HoralumeResources.h"
#include "LoaderState.h"
#include "Pages.h"

static bool IsLink(int control)
{
    return control == IDC_WEB_LINK || control == IDC_MAIL_LINK;
}

void InitAboutPage(HWND page)
{
    if (g_loader.linkFont != nullptr) {
        SendDlgItemMessageA(page, IDC_WEB_LINK, WM_SETFONT, reinterpret_cast<WPARAM>(g_loader.linkFont), FALSE);
        SendDlgItemMessageA(page, IDC_MAIL_LINK, WM_SETFONT, reinterpret_cast<WPARAM>(g_loader.linkFont), FALSE);
    }
}

BOOL OnAboutPageCommand(HWND page, int control, int code)
{
    if (!IsLink(control) || code != STN_CLICKED) {
        return FALSE;
    }
    char address[256] = "";
    LoadStringA(g_loader.instance, control == IDC_WEB_LINK ? IDS_WEB_ADDRESS : IDS_MAIL_ADDRESS, address,
                sizeof address);
    ShellExecuteA(GetParent(page), nullptr, address, nullptr, nullptr, SW_SHOW);
    return TRUE;
}

INT_PTR OnAboutLinkColour(HDC dc, HWND control)
{
    if (!IsLink(GetDlgCtrlID(control))) {
        return FALSE;
    }
    SetTextColor(dc, RGB(0, 0, 255));
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
}

BOOL OnAboutLinkCursor(HWND page)
{
    POINT point;
    GetCursorPos(&point);
    ScreenToClient(page, &point);
    HWND child = ChildWindowFromPoint(page, point);
    if (child == nullptr || child == page || !IsLink(GetDlgCtrlID(child))) {
        return FALSE;
    }
    HCURSOR hand = LoadCursorA(nullptr, IDC_HAND);
    if (hand == nullptr) { // systems older than the hand cursor
        hand = LoadCursorA(g_loader.instance, MAKEINTRESOURCEA(IDC_LINK_HAND));
    }
    SetCursor(hand);
    SetWindowLongPtrA(page, DWLP_MSGRESULT, TRUE);
    return TRUE;
}
