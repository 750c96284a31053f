// Where the properties sheet opens: the stored corner, kept on the screen.
// Portable arithmetic; PlaceSheet supplies the screen and the registry.
#pragma once

#include <cstdint>

struct SheetBounds {
    std::int32_t maxX, maxY;         // the largest corner that keeps the sheet on the area
    std::int32_t defaultX, defaultY; // centred, used when no position is stored
};

// areaWidth/areaHeight: the full-screen client area. When the sheet's size is
// unknown the bounds are the whole area and the default is (0, 0).
SheetBounds BoundsForSheet(std::int32_t areaWidth, std::int32_t areaHeight, bool sizeKnown, std::int32_t sheetWidth,
                           std::int32_t sheetHeight);

// Lowered to max, then raised to 0: a sheet larger than the area lands at 0.
std::int32_t ClampToArea(std::int32_t value, std::int32_t max);
