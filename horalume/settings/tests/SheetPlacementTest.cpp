#include "horalume/settings/SheetPlacement.h"

#include <gtest/gtest.h>

TEST(SheetPlacement, StoredPositionIsKeptOnTheArea)
{
    const SheetBounds bounds = BoundsForSheet(1024, 768, true, 400, 300);
    EXPECT_EQ(bounds.maxX, 624);
    EXPECT_EQ(bounds.maxY, 468);
    EXPECT_EQ(ClampToArea(5000, bounds.maxX), 624);
    EXPECT_EQ(ClampToArea(-20, bounds.maxX), 0);
    EXPECT_EQ(ClampToArea(100, bounds.maxX), 100);
    EXPECT_EQ(ClampToArea(624, bounds.maxX), 624);
}

TEST(SheetPlacement, DefaultCentresTheSheet)
{
    const SheetBounds bounds = BoundsForSheet(1024, 767, true, 400, 300);
    EXPECT_EQ(bounds.defaultX, 312);
    EXPECT_EQ(bounds.defaultY, 233); // 467 / 2, truncated
}

TEST(SheetPlacement, SheetLargerThanTheAreaLandsAtZero)
{
    const SheetBounds bounds = BoundsForSheet(300, 200, true, 401, 301);
    EXPECT_EQ(bounds.defaultX, -50); // truncated toward zero, then clamped
    EXPECT_EQ(ClampToArea(bounds.defaultX, bounds.maxX), 0);
    EXPECT_EQ(ClampToArea(bounds.defaultY, bounds.maxY), 0);
    EXPECT_EQ(ClampToArea(50, bounds.maxX), 0);
}

TEST(SheetPlacement, UnknownSheetSizeUsesTheWholeAreaAndTheOrigin)
{
    const SheetBounds bounds = BoundsForSheet(1024, 768, false, 0, 0);
    EXPECT_EQ(bounds.maxX, 1024);
    EXPECT_EQ(bounds.maxY, 768);
    EXPECT_EQ(bounds.defaultX, 0);
    EXPECT_EQ(bounds.defaultY, 0);
}
