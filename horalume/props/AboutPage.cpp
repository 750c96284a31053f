// The About page: product notice and two links that open in the default
// browser and mail program.
#include "horalume/props/Pages.h"
#include "resources/horalume/HoralumeResources.h"

#include <windows.h>

#include <shellapi.h>

namespace {
class AboutPage final : public SheetPage {
public:
    AboutPage(HINSTANCE instance, const PageFonts& fonts) : instance_(instance), fonts_(fonts) {}

    void Init(HWND page) override;
    PageCommand OnCommand(HWND page, int control, int code) override;

private:
    HINSTANCE instance_;
    const PageFonts& fonts_;
};
} // namespace

static bool IsLink(int control)
{
    return control == IDC_WEB_LINK || control == IDC_MAIL_LINK;
}

void AboutPage::Init(HWND page)
{
    if (fonts_.link) {
        SendDlgItemMessageA(page, IDC_WEB_LINK, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.link.Get()), FALSE);
        SendDlgItemMessageA(page, IDC_MAIL_LINK, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.link.Get()), FALSE);
    }
}

PageCommand AboutPage::OnCommand(HWND page, int control, int code)
{
    if (!IsLink(control) || code != STN_CLICKED) {
        return PageCommand::Ignored;
    }
    char address[256] = "";
    LoadStringA(instance_, control == IDC_WEB_LINK ? IDS_WEB_ADDRESS : IDS_MAIL_ADDRESS, address, sizeof address);
    ShellExecuteA(GetParent(page), nullptr, address, nullptr, nullptr, SW_SHOW);
    return PageCommand::Handled;
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

BOOL OnAboutLinkCursor(HWND page, HINSTANCE instance)
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
        hand = LoadCursorA(instance, MAKEINTRESOURCEA(IDC_LINK_HAND));
    }
    SetCursor(hand);
    SetWindowLongPtrA(page, DWLP_MSGRESULT, TRUE);
    return TRUE;
}

std::unique_ptr<SheetPage> MakeAboutPage(HINSTANCE instance, const PageFonts& fonts)
{
    return std::make_unique<AboutPage>(instance, fonts);
}
