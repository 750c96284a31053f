// The clock settings record: Horalume's working copy of the registry and the
// WM_COPYDATA payload to the clock component. Its layout is a wire format
// between two processes (and between 32- and 64-bit builds), so every field
// has a fixed width and every offset is checked.
#pragma once

#include <cstddef>
#include <cstdint>

// Same layout as the platform's 60-byte LOGFONTA; readable without <windows.h>.
struct FontRecord {
    std::int32_t height;
    std::int32_t width;
    std::int32_t escapement;
    std::int32_t orientation;
    std::int32_t weight;
    std::uint8_t italic;
    std::uint8_t underline;
    std::uint8_t strikeOut;
    std::uint8_t charSet;
    std::uint8_t outPrecision;
    std::uint8_t clipPrecision;
    std::uint8_t quality;
    std::uint8_t pitchAndFamily;
    char faceName[32];
};
static_assert(sizeof(FontRecord) == 60, "FontRecord must match LOGFONTA");

constexpr std::size_t kFormatFieldSize = 120; // 119 characters and a NUL

struct ClockSettings {
    std::uint32_t displayFlags;
    std::uint32_t backgroundColor; // COLORREF 0x00BBGGRR
    std::uint32_t foregroundColor;
    std::uint32_t cpuColor;
    std::uint32_t memLoadColor;
    FontRecord customFont;
    std::int32_t fixedWidth; // pixels
    char clockFormatString[kFormatFieldSize];
    char tooltipFormatString[kFormatFieldSize];
    char copyFormatString[kFormatFieldSize];
    std::uint32_t clickCommand;
    std::uint32_t dblClickCommand;
    std::uint32_t hotkeyCommand;
    std::uint32_t locale; // LCID
    std::uint32_t calendarFlags;
    FontRecord calendarFont;
    std::int32_t lastDate;
    std::uint32_t weekendDays; // bit 0 Sunday ... bit 6 Saturday
    std::int32_t firstDay;     // 0 Sunday ... 6 Saturday
};

constexpr std::size_t kClockSettingsSize = 536;

static_assert(sizeof(ClockSettings) == kClockSettingsSize, "ClockSettings is 536 bytes on the wire");
static_assert(offsetof(ClockSettings, displayFlags) == 0, "layout");
static_assert(offsetof(ClockSettings, backgroundColor) == 4, "layout");
static_assert(offsetof(ClockSettings, foregroundColor) == 8, "layout");
static_assert(offsetof(ClockSettings, cpuColor) == 12, "layout");
static_assert(offsetof(ClockSettings, memLoadColor) == 16, "layout");
static_assert(offsetof(ClockSettings, customFont) == 20, "layout");
static_assert(offsetof(ClockSettings, fixedWidth) == 80, "layout");
static_assert(offsetof(ClockSettings, clockFormatString) == 84, "layout");
static_assert(offsetof(ClockSettings, tooltipFormatString) == 204, "layout");
static_assert(offsetof(ClockSettings, copyFormatString) == 324, "layout");
static_assert(offsetof(ClockSettings, clickCommand) == 444, "layout");
static_assert(offsetof(ClockSettings, dblClickCommand) == 448, "layout");
static_assert(offsetof(ClockSettings, hotkeyCommand) == 452, "layout");
static_assert(offsetof(ClockSettings, locale) == 456, "layout");
static_assert(offsetof(ClockSettings, calendarFlags) == 460, "layout");
static_assert(offsetof(ClockSettings, calendarFont) == 464, "layout");
static_assert(offsetof(ClockSettings, lastDate) == 524, "layout");
static_assert(offsetof(ClockSettings, weekendDays) == 528, "layout");
static_assert(offsetof(ClockSettings, firstDay) == 532, "layout");

// DisplayFlags bits.
namespace DisplayFlag {
constexpr std::uint32_t BoothMode = 0x8;
constexpr std::uint32_t CpuMonitor = 0x400;
constexpr std::uint32_t LegacyMondayFirst = 0x800;
constexpr std::uint32_t CustomColours = 0x1000;
constexpr std::uint32_t CustomClockFont = 0x2000;
constexpr std::uint32_t PhysicalRamOnly = 0x8000;
constexpr std::uint32_t MemoryLoadLine = 0x10000;
constexpr std::uint32_t FancyBanner = 0x40000;
constexpr std::uint32_t NewItemsAtBottom = 0x80000;
constexpr std::uint32_t FixedWidthOn = 0x100000;
constexpr std::uint32_t CpuUsageLine = 0x200000;
constexpr std::uint32_t CustomTooltip = 0x400000;
constexpr std::uint32_t TooltipStays = 0x800000;
constexpr std::uint32_t CopySameAsClock = 0x1000000;
constexpr std::uint32_t CopySameAsTooltip = 0x2000000;
constexpr std::uint32_t Defaults = 0x018E0617;
} // namespace DisplayFlag

// CalendarFlags bits.
namespace CalendarFlag {
constexpr std::uint32_t AutoClose = 0x1;
constexpr std::uint32_t TopMost = 0x2;
constexpr std::uint32_t SaveWindow = 0x4;
constexpr std::uint32_t WeekNumbers = 0x8;
constexpr std::uint32_t RememberMonth = 0x10;
constexpr std::uint32_t CustomCalendarFont = 0x2000;
} // namespace CalendarFlag

// Command identifiers of the clock's mouse actions and hot key.
namespace ClockCommand {
constexpr std::uint32_t WindowsDefault = 0;
constexpr std::uint32_t DoNothing = 0xFFFF;
constexpr std::uint32_t Properties = 0x9999;
constexpr std::uint32_t Calendar = 0x9995;
constexpr std::uint32_t Copy = 0x9996;
} // namespace ClockCommand

// Forces every text field to end with a NUL inside its field, so a record
// from another process can never make a reader run past it.
inline void TerminateFormatStrings(ClockSettings& settings)
{
    settings.clockFormatString[kFormatFieldSize - 1] = '\0';
    settings.tooltipFormatString[kFormatFieldSize - 1] = '\0';
    settings.copyFormatString[kFormatFieldSize - 1] = '\0';
    settings.customFont.faceName[sizeof settings.customFont.faceName - 1] = '\0';
    settings.calendarFont.faceName[sizeof settings.calendarFont.faceName - 1] = '\0';
}
