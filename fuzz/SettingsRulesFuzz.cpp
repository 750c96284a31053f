// Fuzzes the rules that turn Horalume's registry values into the settings
// record: every value the loader reads may be missing, of any type and of
// any size. The values are read in the loader's order and by its rules
// (clamps, migration, text copy into fixed fields, font blocks); the record
// must then be safe for every reader: terminated texts, values in range, a
// font description and a render of each format.
#include "clockformat/ClockFormat.h"
#include "hookapi/ClockDefaults.h"
#include "hookapi/StoredFields.h"
#include "horalume/props/FontDescription.h"
#include "horalume/settings/SettingsRules.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

void Check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

// A registry key whose values come from the input as they are read. Types
// as the registry numbers them: 1 text, 3 binary, 4 double word.
class FuzzedKey {
public:
    explicit FuzzedKey(FuzzedDataProvider& input) : input_(input) {}

    std::int32_t ReadDword(std::int32_t defaultValue)
    {
        std::string bytes;
        if (Next(bytes) != 4 || bytes.size() != 4) {
            return defaultValue;
        }
        std::int32_t value;
        std::memcpy(&value, bytes.data(), 4);
        return value;
    }
    void ReadString(const char* defaultValue, char* buffer, std::size_t size)
    {
        std::string bytes;
        if (Next(bytes) == 1) {
            CopyTextField(buffer, size, bytes.data(), bytes.size());
        } else {
            CopyTextField(buffer, size, defaultValue, std::strlen(defaultValue));
        }
    }
    // A shorter block leaves the rest of the font as it was.
    void ReadBinary(void* buffer, std::size_t size)
    {
        std::string bytes;
        if (Next(bytes) == 3 && !bytes.empty()) {
            std::memcpy(buffer, bytes.data(), std::min(bytes.size(), size));
        }
    }

private:
    // The stored type, 0 for a missing value.
    int Next(std::string& bytes)
    {
        if (!input_.ConsumeBool()) {
            return 0;
        }
        int type = input_.PickValueInArray({1, 3, 4, 7});
        bytes = input_.ConsumeRandomLengthString(300);
        return type;
    }
    FuzzedDataProvider& input_;
};

// The loader's reading of the Settings and Calendar keys.
ClockSettings LoadRecord(FuzzedKey& key)
{
    const ClockSettings defaults = DefaultClockSettings();
    ClockSettings settings;
    std::memset(&settings, 0, sizeof settings);
    auto version = static_cast<std::uint32_t>(key.ReadDword(0));
    settings.displayFlags = key.ReadDword(defaults.displayFlags);
    settings.fixedWidth = key.ReadDword(defaults.fixedWidth);
    key.ReadBinary(&settings.customFont, sizeof settings.customFont);
    key.ReadString(defaults.clockFormatString, settings.clockFormatString, kFormatFieldSize);
    key.ReadString(defaults.tooltipFormatString, settings.tooltipFormatString, kFormatFieldSize);
    key.ReadString(defaults.copyFormatString, settings.copyFormatString, kFormatFieldSize);
    key.ReadBinary(&settings.calendarFont, sizeof settings.calendarFont);
    settings.lastDate = key.ReadDword(defaults.lastDate);
    settings.weekendDays = ClampUnsigned(static_cast<std::uint32_t>(key.ReadDword(defaults.weekendDays)), 0, 127);
    int firstDayDefault = (settings.displayFlags & DisplayFlag::LegacyMondayFirst) ? 1 : 0;
    settings.firstDay = ClampSigned(key.ReadDword(firstDayDefault), 0, 6);
    std::uint32_t stored = settings.displayFlags;
    settings.displayFlags = MigrateDisplayFlags(stored, version);
    Check((settings.displayFlags & stored) == stored);
    return settings;
}

void CheckText(const char* field)
{
    Check(std::memchr(field, '\0', kFormatFieldSize) != nullptr);
    RenderContext context;
    context.firstDay = 0;
    std::vector<RenderedLine> lines = RenderClockFormat(field, ClockMoment(), context);
    Check(!lines.empty() && lines.size() <= kMaxLines);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    FuzzedKey key(input);
    const ClockSettings settings = LoadRecord(key);
    Check(settings.weekendDays <= 127 && settings.firstDay >= 0 && settings.firstDay <= 6);
    CheckText(settings.clockFormatString);
    CheckText(settings.tooltipFormatString);
    CheckText(settings.copyFormatString);
    // Font blocks come from the registry unchecked: the description must
    // stay inside the face name whatever it holds.
    int pixelsPerInch = input.ConsumeIntegral<int>();
    Check(DescribeFont(settings.customFont, pixelsPerInch).find('\n') != std::string::npos);
    Check(DescribeFont(settings.calendarFont, pixelsPerInch).find('\n') != std::string::npos);
    return 0;
}
