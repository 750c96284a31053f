#include "horalume/settings/SettingsRules.h"

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
