#include "horalume/props/PropertiesSheet.h"

#include "horalume/settings/SettingsStore.h"
#include "horalume/settings/SheetPosition.h"
#include "resources/horalume/HoralumeResources.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstddef>

// The pages in tab order.
static const UINT kPageOrder[] = {IDD_CLOCK_PAGE, IDD_TOOLTIP_COPY_PAGE, IDD_CALENDAR_PAGE,
                                  IDD_MENU_PAGE,  IDD_ADVANCED_PAGE,     IDD_ABOUT_PAGE};
constexpr UINT kPageCount = sizeof kPageOrder / sizeof kPageOrder[0];

// The sheet steps through the page array by each page's dwSize, so the array
// holds the classic 40-byte form itself. The header is the classic form too:
// its size field ends at pfnCallback.
#ifndef _WIN64
static_assert(sizeof(PROPSHEETPAGEA_V1) == 40, "the classic page description");
static_assert(offsetof(PROPSHEETHEADERA, pfnCallback) + sizeof(PFNPROPSHEETCALLBACK) == 40, "the classic header");
#endif

// Clears WS_VISIBLE in the sheet's template (either template form).
static void CreateHidden(LPARAM dialogTemplate)
{
    auto* words = reinterpret_cast<WORD*>(dialogTemplate);
    const bool extended = words[0] == 1 && words[1] == 0xFFFF;
    auto* style = reinterpret_cast<DWORD*>(reinterpret_cast<BYTE*>(dialogTemplate) + (extended ? 12 : 0));
    *style &= ~static_cast<DWORD>(WS_VISIBLE);
}

static int CALLBACK SheetCallback(HWND, UINT message, LPARAM data)
{
    if (message == PSCB_PRECREATE) {
        CreateHidden(data);
    }
    return 0;
}

static UINT StartPageIndex(UINT lastPage)
{
    for (UINT i = 0; i < kPageCount; ++i) {
        if (kPageOrder[i] == lastPage) {
            return i;
        }
    }
    return 0;
}

PropertiesSheet::PropertiesSheet(SheetState& state) : state_(state)
{
    for (UINT dialogId : kPageOrder) {
        pages_.push_back(std::make_unique<PageDialog>(state, dialogId));
    }
}

HWND PropertiesSheet::Open()
{
    PROPSHEETPAGEA_V1 pages[kPageCount];
    for (UINT i = 0; i < kPageCount; ++i) {
        pages[i] = pages_[i]->Describe();
    }
    state_.lastPage = ReadLastPage();
    // Before any page, so every page starts from the stored settings.
    state_.session.Reload();
    state_.session.Push();

    char caption[256] = "";
    LoadStringA(state_.instance, IDS_PROPERTIES_CAPTION, caption, sizeof caption);

    PROPSHEETHEADERA header = {};
    header.dwSize = PROPSHEETHEADERA_V1_SIZE;
    header.dwFlags = PSH_MODELESS | PSH_HASHELP | PSH_USECALLBACK | PSH_NOAPPLYNOW | PSH_PROPSHEETPAGE | PSH_USEICONID;
    header.hInstance = state_.instance;
    header.pszIcon = MAKEINTRESOURCEA(IDI_HORALUME);
    header.pszCaption = caption;
    header.nPages = kPageCount;
    header.nStartPage = StartPageIndex(state_.lastPage);
    header.ppsp = reinterpret_cast<LPCPROPSHEETPAGEA>(pages);
    header.pfnCallback = SheetCallback;
    HWND sheet = reinterpret_cast<HWND>(PropertySheetA(&header));
    if (sheet == nullptr || sheet == reinterpret_cast<HWND>(-1)) {
        return nullptr;
    }

    const POINT position = PlaceSheet(sheet);
    HICON icon = LoadIconA(state_.instance, MAKEINTRESOURCEA(IDI_HORALUME));
    SendMessageA(sheet, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SetWindowPos(sheet, nullptr, position.x, position.y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    return sheet;
}
