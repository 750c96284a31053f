#include "horalume/settings/SheetPlacement.h"

SheetBounds BoundsForSheet(std::int32_t areaWidth, std::int32_t areaHeight, bool sizeKnown, std::int32_t sheetWidth,
                           std::int32_t sheetHeight)
{
    SheetBounds bounds{areaWidth, areaHeight, 0, 0};
    if (sizeKnown) {
        bounds.maxX = areaWidth - sheetWidth;
        bounds.maxY = areaHeight - sheetHeight;
        bounds.defaultX = bounds.maxX / 2;
        bounds.defaultY = bounds.maxY / 2;
    }
    return bounds;
}

std::int32_t ClampToArea(std::int32_t value, std::int32_t max)
{
    if (value > max) {
        value = max;
    }
    return value < 0 ? 0 : value;
}
