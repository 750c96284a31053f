// The two texts that Decitray builds on every 400 ms tick.
#include "decimal/DecimalTime.h"

#include <benchmark/benchmark.h>

static void ClockTextOfAMoment(benchmark::State& state)
{
    Moment moment = 1796590800;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecimalClockText(moment++));
    }
}
BENCHMARK(ClockTextOfAMoment);

static void DateTextOfAMoment(benchmark::State& state)
{
    Moment moment = 1796590800;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecimalDateText(moment++));
    }
}
BENCHMARK(DateTextOfAMoment);

static void BothTextsOfTheSystemClock(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecimalDateText());
        benchmark::DoNotOptimize(DecimalClockText());
    }
}
BENCHMARK(BothTextsOfTheSystemClock);
