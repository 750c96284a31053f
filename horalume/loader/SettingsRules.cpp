#include "SettingsRules.h"

#include <algorithm>
#include <cstring>

std::string JoinKeyPath(const char* path, const char* subkey)
{
    std::string joined = path ? path : "";
    if (subkey && *subkey) {
        if (!joined.empty()) {
            joined += '\\';
        }
        joined += subkey;
    }
    return joined;
}

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

std::uint32_t MigrateDisplayFlags(std::uint32_t displayFlags, std::uint32_t version)
{
    // Each release turned its new options on for users of older ones.
    if (version < 0x10200) {
        displayFlags |= 0x60000;
    }
    if (version < 0x10300) {
        displayFlags |= 0x1880000;
    }
    if (version < 0x10400) {
        displayFlags |= 0x400;
    }
    return displayFlags;
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
