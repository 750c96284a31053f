#include "horalume/props/CommonDialogs.h"

#include <cstring>

static_assert(sizeof(LOGFONTA) == sizeof(FontRecord), "the record holds a LOGFONTA");

#ifndef _WIN64
static_assert(sizeof(CHOOSECOLORA) == 36, "the classic colour dialog structure");
static_assert(sizeof(CHOOSEFONTA) == 60, "the classic font dialog structure");
#endif

// Both hooks only give the dialog the caller's title and leave everything else
// to the dialog (return 0).
static UINT_PTR CALLBACK ColourDialogHook(HWND dialog, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        const auto* chooser = reinterpret_cast<const CHOOSECOLORA*>(lParam);
        SetWindowTextA(dialog, reinterpret_cast<const char*>(chooser->lCustData));
    }
    return 0;
}

static UINT_PTR CALLBACK FontDialogHook(HWND dialog, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        const auto* chooser = reinterpret_cast<const CHOOSEFONTA*>(lParam);
        SetWindowTextA(dialog, reinterpret_cast<const char*>(chooser->lCustData));
    }
    return 0;
}

COLORREF PickColour(PageChoosers& choosers, HWND owner, COLORREF initial, const char* title)
{
    CHOOSECOLORA chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = owner;
    chooser.rgbResult = initial;
    chooser.lpCustColors = choosers.customColours;
    chooser.Flags = CC_RGBINIT | CC_ENABLEHOOK;
    chooser.lCustData = reinterpret_cast<LPARAM>(title);
    chooser.lpfnHook = ColourDialogHook;
    return choosers.chooseColour(&chooser) ? chooser.rgbResult : kNoColour;
}

bool PickFont(const PageChoosers& choosers, HWND owner, const char* title, LOGFONTA& font)
{
    LOGFONTA choice = font;
    CHOOSEFONTA chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = owner;
    chooser.lpLogFont = &choice;
    chooser.Flags = CF_SCREENFONTS | CF_ENABLEHOOK | CF_INITTOLOGFONTSTRUCT | CF_FORCEFONTEXIST;
    chooser.lCustData = reinterpret_cast<LPARAM>(title);
    chooser.lpfnHook = FontDialogHook;
    if (!choosers.chooseFont(&chooser)) {
        return false;
    }
    font = choice;
    return true;
}

bool PickFont(const PageChoosers& choosers, HWND owner, const char* title, FontRecord& font)
{
    LOGFONTA choice;
    std::memcpy(&choice, &font, sizeof choice);
    if (!PickFont(choosers, owner, title, choice)) {
        return false;
    }
    std::memcpy(&font, &choice, sizeof font);
    return true;
}
