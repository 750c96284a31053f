// Arithmetic of the clock's CPU and memory monitors: usage from two samples
// of the system's times, memory load from totals, and the length of an
// indicator line. No window needed.
#pragma once

#include <cstdint>

// The system's idle, kernel and user times (any unit, all the same); the
// kernel time includes the idle time, as the system reports it.
struct CpuTimes {
    std::uint64_t idle = 0;
    std::uint64_t kernel = 0;
    std::uint64_t user = 0;
};

// Percent of the time between the two samples that was not idle, 0-100;
// -1 when it cannot be told (no time passed, a counter ran backwards, or
// the earlier sample is the empty one of a first reading).
int CpuUsagePercent(const CpuTimes& before, const CpuTimes& after);

// Percent of total that is not available, 0-100; -1 for a total of 0.
int PercentInUse(std::uint64_t total, std::uint64_t available);

// Pixels of a line of the given full width showing percent (clamped to
// 0-100); an unknown (negative) percent shows no line.
int LineLength(int width, int percent);
