// Fuzzes the clock format renderer: the format, the element values, the
// locale pictures and every field of the moment come from the input.
#include "clockformat/ClockFormat.h"

#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    ClockMoment moment;
    moment.year = input.ConsumeIntegral<int>();
    moment.month = input.ConsumeIntegral<int>();
    moment.day = input.ConsumeIntegral<int>();
    moment.weekday = input.ConsumeIntegral<int>();
    moment.dayOfYear = input.ConsumeIntegral<int>();
    moment.hour = input.ConsumeIntegral<int>();
    moment.minute = input.ConsumeIntegral<int>();
    moment.second = input.ConsumeIntegral<int>();
    moment.biasMinutes = input.ConsumeIntegral<int>();
    moment.utcSecondsOfDay = input.ConsumeIntegral<int>();
    moment.zoneName = input.ConsumeRandomLengthString(64);

    LocaleTexts locale = DefaultLocaleTexts();
    locale.amText = input.ConsumeRandomLengthString(16);
    locale.eraText = input.ConsumeRandomLengthString(16);
    locale.thousandSeparator = input.ConsumeRandomLengthString(8);
    locale.shortTimeFormat = input.ConsumeRandomLengthString(200);
    locale.longDateFormat = input.ConsumeRandomLengthString(200);

    std::string values[3];
    for (std::string& value : values) {
        value = input.ConsumeRandomLengthString(3000);
    }

    RenderContext context;
    context.locale = input.ConsumeBool() ? &locale : nullptr;
    context.firstDay = input.ConsumeIntegral<int>();
    context.resources.physicalFreeKb = input.ConsumeIntegral<long long>();
    context.resources.memoryLoad = input.ConsumeIntegral<int>();
    context.resources.cpuUsage = input.ConsumeIntegral<int>();
    context.elements = [&values](std::string_view name) -> const char* {
        std::size_t which = name.size() % 4;
        return which < 3 ? values[which].c_str() : nullptr;
    };

    std::string format = input.ConsumeRemainingBytesAsString();
    std::vector<RenderedLine> lines;
    for (int pass = 0; pass < 2; ++pass) {
        RenderClockFormat(format, moment, context, lines);
        if (lines.empty() || lines.size() > kMaxLines) {
            std::abort();
        }
        for (const RenderedLine& line : lines) {
            if (line.text.size() > kMaxLineBytes) {
                std::abort();
            }
        }
    }
    return 0;
}
