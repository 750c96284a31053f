#include "horalume/props/FontDescription.h"

#include <cstdint>
#include <cstring>

namespace {

// Rounds height * 72 / pixelsPerInch to the nearest whole number, halves away
// from zero, in 64 bits so that no stored height can overflow.
std::int64_t PointsFromHeight(std::int32_t height, int pixelsPerInch)
{
    if (height >= 0 || pixelsPerInch <= 0) {
        return 0;
    }
    const std::int64_t product = -static_cast<std::int64_t>(height) * 72;
    return (product + pixelsPerInch / 2) / pixelsPerInch;
}

} // namespace

std::string DescribeFont(const FontRecord& font, int pixelsPerInch)
{
    // A face name from the registry need not end inside its field.
    std::string text(font.faceName, strnlen(font.faceName, sizeof font.faceName));
    text += '\n';
    text += std::to_string(PointsFromHeight(font.height, pixelsPerInch));
    text += "pt";
    if (font.weight > 400) {
        text += " bold";
    }
    if (font.italic) {
        text += " italic";
    }
    if (font.underline) {
        text += " underline";
    }
    return text;
}
