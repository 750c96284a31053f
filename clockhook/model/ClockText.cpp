#include "clockhook/model/ClockText.h"

#include <cstring>

std::size_t CopyWindowText(std::string_view text, char* buffer, std::size_t size)
{
    if (buffer == nullptr || size == 0) {
        return 0;
    }
    std::size_t count = text.size() < size - 1 ? text.size() : size - 1;
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return count;
}
