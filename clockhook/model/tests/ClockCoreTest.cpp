#include "clockhook/model/ClockText.h"

#include <gtest/gtest.h>

#include <cstring>

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
