#include "clockhook/model/ElementTable.h"

#include <gtest/gtest.h>

#include <string>

TEST(ElementTable, NeverSetElementIsAbsentAndNamesIgnoreCase)
{
    ElementTable table;
    EXPECT_EQ(table.Find("DC"), nullptr);
    EXPECT_EQ(table.Set("DC", "1::2::3"), SetResult::Changed);
    EXPECT_STREQ(table.Find("dc"), "1::2::3");
    EXPECT_EQ(table.Set("dC", "1::2::4"), SetResult::Changed);
    EXPECT_STREQ(table.Find("DC"), "1::2::4");
    EXPECT_EQ(table.Count(), 1u);
    EXPECT_EQ(table.Set("Dc", "1::2::4"), SetResult::Unchanged);
}

TEST(ElementTable, EmptyValueForgetsTheElement)
{
    ElementTable table;
    table.Set("X", "value");
    EXPECT_EQ(table.Set("x", ""), SetResult::Changed);
    EXPECT_EQ(table.Find("X"), nullptr);
    EXPECT_EQ(table.Count(), 0u);
    EXPECT_EQ(table.Set("x", ""), SetResult::Unchanged);
}

TEST(ElementTable, RefusesEmptyAndOverlongNamesAndValues)
{
    ElementTable table;
    EXPECT_EQ(table.Set("", "v"), SetResult::Refused);
    std::string longestName(kMaxElementNameLength, 'N');
    EXPECT_EQ(table.Set(longestName, "v"), SetResult::Changed);
    EXPECT_EQ(table.Set(longestName + "N", "v"), SetResult::Refused);

    std::string longestValue(kMaxElementValueLength, 'v');
    EXPECT_EQ(table.Set("A", longestValue), SetResult::Changed);
    EXPECT_EQ(table.Set("A", longestValue + "v"), SetResult::Refused);
    EXPECT_EQ(table.Find("A"), longestValue) << "a refused value leaves the old one";
}

TEST(ElementTable, FullTableRefusesNewNamesButUpdatesAndForgetsOldOnes)
{
    ElementTable table;
    for (std::size_t i = 0; i < kMaxElements; ++i) {
        ASSERT_EQ(table.Set("E" + std::to_string(i), "v"), SetResult::Changed);
    }
    EXPECT_EQ(table.Set("Extra", "v"), SetResult::Refused);
    EXPECT_EQ(table.Find("Extra"), nullptr);
    EXPECT_EQ(table.Set("e7", "new"), SetResult::Changed);
    EXPECT_EQ(table.Set("E0", ""), SetResult::Changed);
    EXPECT_EQ(table.Set("Extra", "v"), SetResult::Changed);
    EXPECT_EQ(table.Count(), kMaxElements);
}

TEST(PokedText, StopsAtTheFirstNulOrTheEndOfTheData)
{
    const char withNul[] = "ab\0cd";
    EXPECT_EQ(PokedText(withNul, sizeof withNul), "ab");
    const char noNul[] = {'x', 'y', 'z'};
    EXPECT_EQ(PokedText(noNul, sizeof noNul), "xyz");
    EXPECT_EQ(PokedText(noNul, 2), "xy");
    EXPECT_EQ(PokedText(nullptr, 5), "");
    EXPECT_EQ(PokedText(withNul, 0), "");
}
