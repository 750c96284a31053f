#include "hookapi/ClockSettings.h"
#include "hookapi/ClockDefaults.h"

#include <gtest/gtest.h>

#include <cstring>

#ifdef _WIN32
#include <windows.h>
static_assert(sizeof(LOGFONTA) == sizeof(FontRecord), "FontRecord must match LOGFONTA");
static_assert(offsetof(LOGFONTA, lfFaceName) == offsetof(FontRecord, faceName), "FontRecord must match LOGFONTA");
#endif

TEST(ClockSettings, UnterminatedTextFieldsAreCutInsideTheirField)
{
    ClockSettings settings;
    std::memset(&settings, 'x', sizeof settings);
    TerminateFormatStrings(settings);
    EXPECT_EQ(std::strlen(settings.clockFormatString), kFormatFieldSize - 1);
    EXPECT_EQ(std::strlen(settings.tooltipFormatString), kFormatFieldSize - 1);
    EXPECT_EQ(std::strlen(settings.copyFormatString), kFormatFieldSize - 1);
    EXPECT_EQ(std::strlen(settings.customFont.faceName), 31u);
    EXPECT_EQ(std::strlen(settings.calendarFont.faceName), 31u);
    EXPECT_EQ(settings.clickCommand, 0x78787878u) << "fields outside the texts stay as they were";
}

TEST(DefaultClockSettings, MatchAnEmptyRegistry)
{
    ClockSettings settings = DefaultClockSettings();
    EXPECT_EQ(settings.displayFlags, 0x018E0617u);
    EXPECT_EQ(settings.backgroundColor, 0u);
    EXPECT_EQ(settings.foregroundColor, 0x0080FF80u);
    EXPECT_EQ(settings.cpuColor, 0x0080FF80u);
    EXPECT_EQ(settings.memLoadColor, 0x0080FF80u);
    EXPECT_EQ(settings.fixedWidth, 100);
    EXPECT_STREQ(settings.clockFormatString, "ddd, d MMM yyyy  HH:mm:ss");
    EXPECT_STREQ(settings.tooltipFormatString, "");
    EXPECT_STREQ(settings.copyFormatString, "");
    EXPECT_EQ(settings.clickCommand, 0x9995u);
    EXPECT_EQ(settings.dblClickCommand, 0x9996u);
    EXPECT_EQ(settings.hotkeyCommand, 0x9995u);
    EXPECT_EQ(settings.locale, 0x0400u);
    EXPECT_EQ(settings.calendarFlags, 0x13u);
    EXPECT_EQ(settings.lastDate, 0);
    EXPECT_EQ(settings.weekendDays, 0x41u);
    EXPECT_EQ(settings.firstDay, 0);
    const unsigned char* font = reinterpret_cast<const unsigned char*>(&settings.customFont);
    for (std::size_t i = 0; i < sizeof settings.customFont; ++i) {
        ASSERT_EQ(font[i], 0) << "custom font byte " << i;
    }
}
