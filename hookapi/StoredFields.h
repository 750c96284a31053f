// Bringing stored values into a record's fields: numbers into their range,
// text into a fixed field. Every reader of stored settings shares these rules.
#pragma once

#include <cstddef>
#include <cstdint>

// Raises value to low and lowers it to high; bounds in the wrong order are swapped.
std::int32_t ClampSigned(std::int32_t value, std::int32_t low, std::int32_t high);
std::uint32_t ClampUnsigned(std::uint32_t value, std::uint32_t low, std::uint32_t high);

// Copies text (length bytes, not necessarily NUL-terminated; it ends at its
// first NUL) into field, cut to fieldSize - 1 characters and terminated.
void CopyTextField(char* field, std::size_t fieldSize, const char* text, std::size_t length);
