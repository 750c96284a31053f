#include "clockhook/model/ClockChoices.h"
#include "hookapi/ClockDefaults.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

ClockSettings WithFormats()
{
    ClockSettings settings = DefaultClockSettings();
    settings.displayFlags = 0;
    std::strcpy(settings.clockFormatString, "HH:mm");
    std::strcpy(settings.tooltipFormatString, "dddd");
    std::strcpy(settings.copyFormatString, "yyyy");
    return settings;
}

} // namespace

TEST(ClockFormats, TooltipUsesItsOwnFormatOnlyWhenCustomized)
{
    ClockSettings settings = WithFormats();
    EXPECT_STREQ(TooltipFormat(settings), kDefaultTooltipFormat);
    settings.displayFlags |= DisplayFlag::CustomTooltip;
    EXPECT_STREQ(TooltipFormat(settings), "dddd");
}

TEST(ClockFormats, CopyFollowsTheChosenSource)
{
    ClockSettings settings = WithFormats();
    EXPECT_STREQ(CopyFormat(settings), "yyyy");
    settings.displayFlags = DisplayFlag::CopySameAsTooltip;
    EXPECT_STREQ(CopyFormat(settings), kDefaultTooltipFormat) << "the tooltip as it shows";
    settings.displayFlags |= DisplayFlag::CustomTooltip;
    EXPECT_STREQ(CopyFormat(settings), "dddd");
    settings.displayFlags |= DisplayFlag::CopySameAsClock;
    EXPECT_STREQ(CopyFormat(settings), "HH:mm") << "both set: the clock wins, as the page shows";
}

TEST(ClockMenuEntries, FollowBoothModeAndBanner)
{
    ClockSettings settings = WithFormats();
    using E = MenuEntry;
    EXPECT_EQ(ClockMenuEntries(settings), (std::vector<E>{E::Properties, E::Calendar, E::Copy}));
    settings.displayFlags = DisplayFlag::FancyBanner;
    EXPECT_EQ(ClockMenuEntries(settings), (std::vector<E>{E::Banner, E::Properties, E::Calendar, E::Copy}));
    settings.displayFlags |= DisplayFlag::BoothMode;
    EXPECT_EQ(ClockMenuEntries(settings), (std::vector<E>{E::Calendar, E::Copy})) << "no banner in booth mode";
    EXPECT_TRUE(ClockMenuAtTop(settings));
    settings.displayFlags |= DisplayFlag::NewItemsAtBottom;
    EXPECT_FALSE(ClockMenuAtTop(settings));
}

TEST(SiblingPath, ReplacesTheFileName)
{
    EXPECT_EQ(SiblingPath(L"C:\\Program Files\\Horalume\\HORALUME.DLL", L"Horalume.exe"),
              L"C:\\Program Files\\Horalume\\Horalume.exe");
    EXPECT_EQ(SiblingPath(L"/tmp/x/HORALUME.DLL", L"Horalume.exe"), L"/tmp/x/Horalume.exe");
    EXPECT_EQ(SiblingPath(L"HORALUME.DLL", L"Horalume.exe"), L"Horalume.exe");
    EXPECT_EQ(SiblingPath(L"C:\\dir\\a.dll", L""), L"C:\\dir\\");
}
