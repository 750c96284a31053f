#include "hookapi/StoredFields.h"

#include <algorithm>
#include <cstring>

std::int32_t ClampSigned(std::int32_t value, std::int32_t low, std::int32_t high)
{
    if (low > high) {
        std::swap(low, high);
    }
    return std::min(std::max(value, low), high);
}

std::uint32_t ClampUnsigned(std::uint32_t value, std::uint32_t low, std::uint32_t high)
{
    if (low > high) {
        std::swap(low, high);
    }
    return std::min(std::max(value, low), high);
}

void CopyTextField(char* field, std::size_t fieldSize, const char* text, std::size_t length)
{
    if (fieldSize == 0) {
        return;
    }
    const void* end = text ? std::memchr(text, '\0', length) : nullptr;
    std::size_t textLength = !text ? 0 : end ? static_cast<const char*>(end) - text : length;
    std::size_t copied = std::min(textLength, fieldSize - 1);
    if (copied > 0) {
        std::memcpy(field, text, copied);
    }
    field[copied] = '\0';
}
