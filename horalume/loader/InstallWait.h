// How long Horalume waits for the clock component to report, and how that
// time grows after each time-out while installing. Portable: the wait, the
// warning and the store are the caller's.
#pragma once

#include <cstdint>
#include <functional>

constexpr std::int32_t kDefaultInstallTime = 10000; // ms, when "InstallTime" is absent
constexpr std::int32_t kInstallTimeStep = 10000;    // each later wait, and each lengthening
constexpr std::int32_t kInstallGiveUpTotal = 40000; // a time-out at this total gives up

enum class WaitOutcome { Reported, TimedOut, GaveUp };

// What the wait does outside itself.
struct WaitSteps {
    // Waits up to milliseconds for the component; true when it reported.
    std::function<bool(std::uint32_t milliseconds)> wait;
    // After a time-out while installing below the give-up total, before waiting again.
    std::function<void()> warn;
    // Stores the lengthened total as the new "InstallTime".
    std::function<void(std::int32_t totalMs)> store;
};

// Waits for the component's report, starting from the stored "InstallTime".
// While installing, each time-out below the give-up total warns and stores a
// longer time; a removal waits once (TimedOut) and never stores. A negative
// stored time would make the first wait unbounded, so it counts as the default.
WaitOutcome AwaitComponent(std::int32_t storedInstallTime, bool install, const WaitSteps& steps);
