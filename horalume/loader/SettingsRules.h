// The arithmetic of the settings store that needs no registry: key paths,
// clamps, the version migration and cutting stored text into a fixed field.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Joins a path and a subkey with one backslash; an empty or missing part adds none.
std::string JoinKeyPath(const char* path, const char* subkey);

// Raises value to low and lowers it to high; bounds in the wrong order are swapped.
std::int32_t ClampSigned(std::int32_t value, std::int32_t low, std::int32_t high);
std::uint32_t ClampUnsigned(std::uint32_t value, std::uint32_t low, std::uint32_t high);

// Adds the display bits that versions older than `version` did not know yet.
std::uint32_t MigrateDisplayFlags(std::uint32_t displayFlags, std::uint32_t version);

// Copies text (length bytes, not necessarily NUL-terminated; it ends at its
// first NUL) into field, cut to fieldSize - 1 characters and terminated.
void CopyTextField(char* field, std::size_t fieldSize, const char* text, std::size_t length);
