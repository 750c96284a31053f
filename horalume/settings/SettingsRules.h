// The arithmetic of the settings store that needs no registry: the version migration.
#pragma once

#include <cstdint>

// Adds the display bits that versions older than `version` did not know yet.
std::uint32_t MigrateDisplayFlags(std::uint32_t displayFlags, std::uint32_t version);
