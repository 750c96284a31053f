#include "ClockSettings.h"

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
