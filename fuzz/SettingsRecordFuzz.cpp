// Fuzzes the clock's acceptance and use of a settings record. The input is
// a WM_COPYDATA as another process may send it: eight bytes of dwData
// (little-endian), then the payload of any size. An accepted record is
// rendered in every format it names and every window-free choice is made
// from it, as the clock does when the record arrives.
#include "CalendarMonth.h"
#include "ClockChoices.h"
#include "ClockDefaults.h"
#include "ClockFormat.h"
#include "ClockMonitor.h"
#include "HookApi.h"

#include <cstdlib>
#include <cstring>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// The clock's rule: exactly one record with dwData 0, texts cut to end
// inside their fields; anything else is refused without being read.
bool AcceptRecord(std::uint64_t dwData, const std::uint8_t* payload, std::size_t size, ClockSettings& settings)
{
    if (dwData != hookapi::kSettingsCopyDataId || size != kClockSettingsSize || payload == nullptr)
        return false;
    std::memcpy(&settings, payload, kClockSettingsSize);
    TerminateFormatStrings(settings);
    return true;
}

bool Terminated(const char* field, std::size_t size)
{
    return std::memchr(field, '\0', size) != nullptr;
}

void RenderFormat(const char* format, const ClockSettings& settings)
{
    Check(Terminated(format, kFormatFieldSize) || format == kDefaultTooltipFormat);
    RenderContext context;
    context.firstDay = settings.firstDay;
    context.elements = [](std::string_view name) { return name.size() % 2 ? "%DC%|%DD%" : nullptr; };
    std::vector<RenderedLine> lines = RenderClockFormat(format, ClockMoment(), context);
    Check(!lines.empty() && lines.size() <= kMaxLines);
}

void UseRecord(const ClockSettings& settings)
{
    Check(Terminated(settings.customFont.faceName, sizeof settings.customFont.faceName));
    Check(Terminated(settings.calendarFont.faceName, sizeof settings.calendarFont.faceName));
    RenderFormat(settings.clockFormatString, settings);
    RenderFormat(TooltipFormat(settings), settings);
    RenderFormat(CopyFormat(settings), settings);
    Check(ClockMenuEntries(settings).size() <= 4);
    int firstDay = MonthCalendarFirstDay(settings.firstDay);
    Check(firstDay >= 0 && firstDay <= 6);
    CalendarMonth month;
    if (DecodeLastDate(settings.lastDate, month)) {
        for (int step = -1; step <= 1; ++step)
            HighlightedDays(AddMonths(month, step), settings.weekendDays);
    }
    int length = LineLength(settings.fixedWidth, static_cast<int>(settings.cpuColor % 202) - 1);
    Check(length >= 0 && length <= (settings.fixedWidth > 0 ? settings.fixedWidth : 0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::uint64_t dwData = 0;
    std::size_t header = size < 8 ? size : 8;
    for (std::size_t i = 0; i < header; ++i)
        dwData |= static_cast<std::uint64_t>(data[i]) << (8 * i);
    ClockSettings settings = DefaultClockSettings();
    const ClockSettings before = settings;
    if (AcceptRecord(dwData, data + header, size - header, settings))
        UseRecord(settings);
    else
        Check(std::memcmp(&settings, &before, sizeof settings) == 0);
    return 0;
}
