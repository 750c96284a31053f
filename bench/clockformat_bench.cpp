// The clock renders its format once a second, and again whenever a shown
// user element changes (Decitray pokes two every 400 ms).
#include "clockformat/ClockFormat.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <strings.h>

static ClockMoment SampleMoment()
{
    ClockMoment moment;
    moment.year = 2024;
    moment.month = 11;
    moment.day = 28;
    moment.weekday = 4;
    moment.dayOfYear = 333;
    moment.hour = 21;
    moment.minute = 47;
    moment.second = 13;
    moment.zoneName = "UTC";
    return moment;
}

// A lookup like the clock component's: a short table, names compared
// regardless of case.
static const char* LookUpElement(std::string_view name)
{
    static const struct {
        const char* name;
        const char* value;
    } table[] = {{"DC", "9::7::45"}, {"DD", "24::9::2"}, {"X", "x"}};
    for (const auto& element : table) {
        if (std::strlen(element.name) == name.size() && strncasecmp(element.name, name.data(), name.size()) == 0) {
            return element.value;
        }
    }
    return nullptr;
}

static void Render(benchmark::State& state, const char* format)
{
    ClockMoment moment = SampleMoment();
    RenderContext context;
    context.elements = LookUpElement;
    std::vector<RenderedLine> lines;
    for (auto _ : state) {
        RenderClockFormat(format, moment, context, lines);
        benchmark::DoNotOptimize(lines.data());
        moment.second = (moment.second + 1) % 60;
    }
}

static void DefaultFormat(benchmark::State& state)
{
    Render(state, "ddd, d MMM yyyy  HH:mm:ss");
}
BENCHMARK(DefaultFormat);

static void TwoLinesWithTwoUserElements(benchmark::State& state)
{
    Render(state, "HH:mm:ss|%DC% %DD%");
}
BENCHMARK(TwoLinesWithTwoUserElements);

// The returning form, which allocates its lines afresh on every call.
static void DefaultFormatIntoNewLines(benchmark::State& state)
{
    ClockMoment moment = SampleMoment();
    RenderContext context;
    for (auto _ : state) {
        benchmark::DoNotOptimize(RenderClockFormat("ddd, d MMM yyyy  HH:mm:ss", moment, context));
    }
}
BENCHMARK(DefaultFormatIntoNewLines);
