#include "horalume/props/FormatMenu.h"

#include "horalume/props/FormatEditing.h"
#include "resources/horalume/formatmenu.h"

#include <initializer_list>
#include <memory>
#include <type_traits>

static int ChooseFormatItem(HWND page, HINSTANCE instance, const PageChoosers& choosers)
{
    UniqueMenu menu(LoadMenuA(instance, MAKEINTRESOURCEA(IDR_FORMATMENU)));
    if (!menu) {
        return 0;
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    return choosers.trackMenu(GetSubMenu(menu.Get(), 0), TPM_RETURNCMD, cursor.x, cursor.y, page, nullptr);
}

void ShowFormatMenu(HWND page, HINSTANCE instance, const PageChoosers& choosers, int formatBox)
{
    const int command = ChooseFormatItem(page, instance, choosers);
    if (command == 0) {
        return;
    }
    const HWND box = GetDlgItem(page, formatBox);
    char text[kFormatFieldSize] = "";
    GetWindowTextA(box, text, sizeof text);
    DWORD selStart = 0;
    DWORD selEnd = 0;
    SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart), reinterpret_cast<LPARAM>(&selEnd));
    char itemText[kFormatFieldSize] = "";
    LoadStringA(instance, command, itemText, sizeof itemText);

    for (const FormatEdit& edit : FormatMenuEdits(command, text, selStart, selEnd, itemText)) {
        SendMessageA(box, EM_SETSEL, edit.start, edit.end);
        SendMessageA(box, EM_REPLACESEL, edit.canUndo, reinterpret_cast<LPARAM>(edit.text.c_str()));
    }
}

void OnFormatMenuInit(HMENU menu, const SystemTraits& system)
{
    // The resource meters need RSRC32.DLL, which only Windows 9x has; the
    // clock offers the CPU code on Windows 9x only.
    if (!system.isNT && system.rsrc32Available) {
        return;
    }
    for (UINT item : {IDM_SYSTEMRESOURCES, IDM_USERRESOURCES, IDM_GDIRESOURCES}) {
        EnableMenuItem(menu, item, MF_BYCOMMAND | MF_GRAYED);
    }
    EnableMenuItem(menu, IDM_CPUUSAGE, MF_BYCOMMAND | (system.isNT ? MF_GRAYED : MF_ENABLED));
}
