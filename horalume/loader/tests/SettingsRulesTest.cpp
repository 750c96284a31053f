#include "SettingsRules.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(JoinKeyPath, AddsOneBackslashOnlyBetweenTwoParts)
{
    EXPECT_EQ(JoinKeyPath("Software\\Horalume", "Settings"), "Software\\Horalume\\Settings");
    EXPECT_EQ(JoinKeyPath("Software\\Horalume", ""), "Software\\Horalume");
    EXPECT_EQ(JoinKeyPath("Software\\Horalume", nullptr), "Software\\Horalume");
    EXPECT_EQ(JoinKeyPath("", "Settings"), "Settings");
    EXPECT_EQ(JoinKeyPath(nullptr, "Settings"), "Settings");
    EXPECT_EQ(JoinKeyPath(nullptr, nullptr), "");
}

TEST(Clamp, SwapsBoundsGivenInTheWrongOrder)
{
    EXPECT_EQ(ClampSigned(-3, 0, 6), 0);
    EXPECT_EQ(ClampSigned(9, 6, 0), 6);
    EXPECT_EQ(ClampSigned(4, 6, 0), 4);
    EXPECT_EQ(ClampUnsigned(200, 0, 127), 127u);
    EXPECT_EQ(ClampUnsigned(0xFFFFFFFFu, 127, 0), 127u) << "compared as an unsigned number";
    EXPECT_EQ(ClampUnsigned(5, 10, 20), 10u);
}

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

TEST(CopyTextField, CutsToTheFieldAndAlwaysTerminates)
{
    char field[8];
    std::memset(field, 'x', sizeof field);
    CopyTextField(field, sizeof field, "abc", 3);
    EXPECT_STREQ(field, "abc");

    const char unterminated[] = {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9'};
    std::memset(field, 'x', sizeof field);
    CopyTextField(field, sizeof field, unterminated, sizeof unterminated);
    EXPECT_STREQ(field, "0123456");

    const char shortUnterminated[] = {'a', 'b'};
    CopyTextField(field, sizeof field, shortUnterminated, sizeof shortUnterminated);
    EXPECT_STREQ(field, "ab");

    CopyTextField(field, sizeof field, "ab\0cd", 5);
    EXPECT_STREQ(field, "ab") << "the text ends at its first NUL";

    CopyTextField(field, sizeof field, nullptr, 0);
    EXPECT_STREQ(field, "");

    field[0] = 'x';
    CopyTextField(field, 0, "abc", 3);
    EXPECT_EQ(field[0], 'x') << "a field of no size is not touched";
}
