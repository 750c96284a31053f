#include "horalume/settings/SettingsRules.h"

#include <gtest/gtest.h>

TEST(MigrateDisplayFlags, AddsTheBitsOfEveryLaterReleaseAndNeverRemovesAny)
{
    EXPECT_EQ(MigrateDisplayFlags(0, 0), 0x018E0400u);
    EXPECT_EQ(MigrateDisplayFlags(0, 0x10100), 0x018E0400u);
    EXPECT_EQ(MigrateDisplayFlags(0, 0x101FF), 0x018E0400u);
    EXPECT_EQ(MigrateDisplayFlags(0, 0x10200), 0x01880400u);
    EXPECT_EQ(MigrateDisplayFlags(0, 0x10300), 0x400u);
    EXPECT_EQ(MigrateDisplayFlags(0, 0x10400), 0u);
    EXPECT_EQ(MigrateDisplayFlags(0x8, 0x10402), 0x8u);
    EXPECT_EQ(MigrateDisplayFlags(0, 0xFFFFFFFFu), 0u) << "a version read as -1 is compared as unsigned";
    EXPECT_EQ(MigrateDisplayFlags(0xFFFFFFFFu, 0), 0xFFFFFFFFu);
}
