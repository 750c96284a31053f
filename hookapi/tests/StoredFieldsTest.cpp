#include "hookapi/StoredFields.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(Clamp, SwapsBoundsGivenInTheWrongOrder)
{
    EXPECT_EQ(ClampSigned(-3, 0, 6), 0);
    EXPECT_EQ(ClampSigned(9, 6, 0), 6);
    EXPECT_EQ(ClampSigned(4, 6, 0), 4);
    EXPECT_EQ(ClampUnsigned(200, 0, 127), 127u);
    EXPECT_EQ(ClampUnsigned(0xFFFFFFFFu, 127, 0), 127u) << "compared as an unsigned number";
    EXPECT_EQ(ClampUnsigned(5, 10, 20), 10u);
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
