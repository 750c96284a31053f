#include "clockhook/model/ClockChoices.h"

const char* TooltipFormat(const ClockSettings& settings)
{
    return (settings.displayFlags & DisplayFlag::CustomTooltip) ? settings.tooltipFormatString : kDefaultTooltipFormat;
}

const char* CopyFormat(const ClockSettings& settings)
{
    if (settings.displayFlags & DisplayFlag::CopySameAsClock) {
        return settings.clockFormatString;
    }
    if (settings.displayFlags & DisplayFlag::CopySameAsTooltip) {
        return TooltipFormat(settings);
    }
    return settings.copyFormatString;
}

std::vector<MenuEntry> ClockMenuEntries(const ClockSettings& settings)
{
    bool booth = (settings.displayFlags & DisplayFlag::BoothMode) != 0;
    std::vector<MenuEntry> entries;
    // The properties page greys the banner while booth mode is on.
    if ((settings.displayFlags & DisplayFlag::FancyBanner) && !booth) {
        entries.push_back(MenuEntry::Banner);
    }
    if (!booth) {
        entries.push_back(MenuEntry::Properties);
    }
    entries.push_back(MenuEntry::Calendar);
    entries.push_back(MenuEntry::Copy);
    return entries;
}

bool ClockMenuAtTop(const ClockSettings& settings)
{
    return (settings.displayFlags & DisplayFlag::NewItemsAtBottom) == 0;
}

std::wstring SiblingPath(const std::wstring& modulePath, const wchar_t* fileName)
{
    std::wstring::size_type slash = modulePath.find_last_of(L"\\/");
    if (slash == std::wstring::npos) {
        return fileName;
    }
    return modulePath.substr(0, slash + 1) + fileName;
}
