#include "ClockChoices.h"

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

std::string SiblingPath(const std::string& modulePath, const char* fileName)
{
    std::string::size_type slash = modulePath.find_last_of("\\/");
    if (slash == std::string::npos) {
        return fileName;
    }
    return modulePath.substr(0, slash + 1) + fileName;
}
