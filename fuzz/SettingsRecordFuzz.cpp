// Fuzzes the clock's acceptance and use of a settings record. The input is
// a WM_COPYDATA as another process may send it: eight bytes of dwData
// (little-endian), then the payload of any size, as the clock model takes
// it. An accepted record is rendered in every format it names and every
// window-free choice is made from it, as the clock does when it arrives.
#include "clockformat/ClockFormat.h"
#include "clockhook/model/CalendarMonth.h"
#include "clockhook/model/ClockChoices.h"
#include "clockhook/model/ClockModel.h"
#include "clockhook/model/ClockMonitor.h"

#include <cstdlib>
#include <cstring>

namespace {

void Check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

bool Terminated(const char* field, std::size_t size)
{
    return std::memchr(field, '\0', size) != nullptr;
}

void RenderFormat(const ClockModel& model, const char* format)
{
    Check(Terminated(format, kFormatFieldSize) || format == kDefaultTooltipFormat);
    std::vector<RenderedLine> lines;
    model.RenderLines(format, ClockMoment(), lines);
    Check(!lines.empty() && lines.size() <= kMaxLines);
}

void UseRecord(const ClockModel& model)
{
    const ClockSettings& settings = model.Settings();
    Check(Terminated(settings.customFont.faceName, sizeof settings.customFont.faceName));
    Check(Terminated(settings.calendarFont.faceName, sizeof settings.calendarFont.faceName));
    RenderFormat(model, settings.clockFormatString);
    RenderFormat(model, TooltipFormat(settings));
    RenderFormat(model, CopyFormat(settings));
    Check(ClockMenuEntries(settings).size() <= 4);
    int firstDay = MonthCalendarFirstDay(settings.firstDay);
    Check(firstDay >= 0 && firstDay <= 6);
    CalendarMonth month;
    if (DecodeLastDate(settings.lastDate, month)) {
        for (int step = -1; step <= 1; ++step) {
            HighlightedDays(AddMonths(month, step), settings.weekendDays);
        }
    }
    int length = LineLength(settings.fixedWidth, static_cast<int>(settings.cpuColor % 202) - 1);
    Check(length >= 0 && length <= (settings.fixedWidth > 0 ? settings.fixedWidth : 0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::uint64_t dwData = 0;
    std::size_t header = size < 8 ? size : 8;
    for (std::size_t i = 0; i < header; ++i) {
        dwData |= static_cast<std::uint64_t>(data[i]) << (8 * i);
    }
    ClockModel model;
    // An element whose value looks like a format: shown as it stands.
    static const char kElementValue[] = "%DC%|%DD%";
    model.PokeElement("DC", kElementValue, sizeof kElementValue);
    const ClockSettings before = model.Settings();
    if (model.AcceptRecord(dwData, data + header, size - header)) {
        UseRecord(model);
    } else {
        Check(std::memcmp(&model.Settings(), &before, sizeof before) == 0);
    }
    return 0;
}
