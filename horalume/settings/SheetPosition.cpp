#include "horalume/settings/SheetPosition.h"

#include "horalume/settings/SettingsStore.h"
#include "horalume/settings/SheetPlacement.h"
#include "win32/RegKey.h"

POINT PlaceSheet(HWND sheet)
{
    RegKeyReader settings;
    settings.Open(HKEY_CURRENT_USER, kHoralumeKey, kSettingsSubkey);
    RECT frame;
    const bool sizeKnown = GetWindowRect(sheet, &frame) != FALSE;
    const SheetBounds bounds =
        BoundsForSheet(GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CYFULLSCREEN), sizeKnown,
                       sizeKnown ? frame.right - frame.left : 0, sizeKnown ? frame.bottom - frame.top : 0);
    POINT position;
    position.x = ClampToArea(settings.ReadDword("Left", bounds.defaultX), bounds.maxX);
    position.y = ClampToArea(settings.ReadDword("Top", bounds.defaultY), bounds.maxY);
    return position;
}

void SaveSheetPosition(HWND sheet)
{
    RegKeyWriter settings;
    settings.Create(HKEY_CURRENT_USER, kHoralumeKey, kSettingsSubkey);
    RECT frame;
    if (GetWindowRect(sheet, &frame)) {
        settings.WriteDword("Left", frame.left);
        settings.WriteDword("Top", frame.top);
    }
}
