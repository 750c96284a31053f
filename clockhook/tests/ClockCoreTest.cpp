#include "ClockDefaults.h"
#include "ClockText.h"

#include <gtest/gtest.h>

#include <cstring>

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
    for (std::size_t i = 0; i < sizeof settings.customFont; ++i)
        ASSERT_EQ(font[i], 0) << "custom font byte " << i;
}

TEST(CopyWindowText, CutsToTheBufferAndAlwaysTerminates)
{
    char buffer[6];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(CopyWindowText("12:34:56", buffer, sizeof buffer), 5u);
    EXPECT_STREQ(buffer, "12:34");
    EXPECT_EQ(CopyWindowText("ab", buffer, sizeof buffer), 2u);
    EXPECT_STREQ(buffer, "ab");
    EXPECT_EQ(CopyWindowText("ab", buffer, 1), 0u);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(CopyWindowText("ab", buffer, 0), 0u);
    EXPECT_EQ(CopyWindowText("ab", nullptr, 10), 0u);
}

TEST(MillisecondsToNextSecond, LandsJustAfterTheNextSecond)
{
    EXPECT_EQ(MillisecondsToNextSecond(0), 1015u);
    EXPECT_EQ(MillisecondsToNextSecond(990), 25u);
    EXPECT_EQ(MillisecondsToNextSecond(999), 16u);
    EXPECT_EQ(MillisecondsToNextSecond(5000), 16u);
}
