#include "horalume/props/FontDescription.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

FontRecord Font(const char* face, int height, int weight = 400)
{
    FontRecord font{};
    std::strncpy(font.faceName, face, sizeof font.faceName - 1);
    font.height = height;
    font.weight = weight;
    return font;
}

TEST(FontDescription, SizeInPointsFromCharacterHeight)
{
    EXPECT_EQ(DescribeFont(Font("Tahoma", -11), 96), "Tahoma\n8pt");  // 8.25 rounds down
    EXPECT_EQ(DescribeFont(Font("Tahoma", -13), 96), "Tahoma\n10pt"); // 9.75 rounds up
    EXPECT_EQ(DescribeFont(Font("Arial", -12), 96), "Arial\n9pt");    // 9 exactly
    EXPECT_EQ(DescribeFont(Font("Arial", -15), 120), "Arial\n9pt");   // 9 exactly at 120 dpi
    EXPECT_EQ(DescribeFont(Font("Arial", -4), 96), "Arial\n3pt");     // 3 exactly
    EXPECT_EQ(DescribeFont(Font("Arial", -5), 144), "Arial\n3pt");    // 2.5 rounds up
}

TEST(FontDescription, ZeroOrCellHeightGivesZeroPoints)
{
    EXPECT_EQ(DescribeFont(FontRecord{}, 96), "\n0pt");
    EXPECT_EQ(DescribeFont(Font("Arial", 16), 96), "Arial\n0pt");
    EXPECT_EQ(DescribeFont(Font("Arial", -16), 0), "Arial\n0pt");
}

TEST(FontDescription, AttributesInOrder)
{
    FontRecord font = Font("Verdana", -16, 700);
    font.italic = 1;
    font.underline = 1;
    font.strikeOut = 1; // not offered, not described
    EXPECT_EQ(DescribeFont(font, 96), "Verdana\n12pt bold italic underline");
    EXPECT_EQ(DescribeFont(Font("Verdana", -16, 401), 96), "Verdana\n12pt bold");
    EXPECT_EQ(DescribeFont(Font("Verdana", -16, 400), 96), "Verdana\n12pt");
}

TEST(FontDescription, UnterminatedFaceNameStopsAtItsField)
{
    FontRecord font = Font("", -16);
    std::memset(font.faceName, 'A', sizeof font.faceName);
    EXPECT_EQ(DescribeFont(font, 96), std::string(32, 'A') + "\n12pt");
}

TEST(FontDescription, ExtremeHeightDoesNotOverflow)
{
    EXPECT_EQ(DescribeFont(Font("X", INT32_MIN), 72), "X\n2147483648pt");
}

} // namespace
