// How long Horalume waits for the clock component to report, and how that
// time grows after each time-out while installing. Portable.
#pragma once

#include <cstdint>

constexpr std::int32_t kDefaultInstallTime = 10000; // ms, when "InstallTime" is absent
constexpr std::int32_t kInstallTimeStep = 10000;    // each later wait, and each lengthening
constexpr std::int32_t kInstallGiveUpTotal = 40000; // a time-out at this total gives up

class InstallWait {
public:
    // A negative stored time would make the first wait unbounded; it counts as the default.
    explicit InstallWait(std::int32_t storedInstallTime)
        : waitMs_(storedInstallTime < 0 ? kDefaultInstallTime : storedInstallTime), totalMs_(waitMs_)
    {
    }

    std::uint32_t WaitMs() const { return static_cast<std::uint32_t>(waitMs_); }
    // The running total, which is stored as the new "InstallTime" after a lengthening.
    std::int32_t TotalMs() const { return totalMs_; }
    // After a time-out while installing: give up, or warn and Lengthen().
    bool GivesUp() const { return totalMs_ >= kInstallGiveUpTotal; }
    void Lengthen()
    {
        waitMs_ = kInstallTimeStep;
        totalMs_ += kInstallTimeStep; // below the give-up total here, so no overflow
    }

private:
    std::int32_t waitMs_;
    std::int32_t totalMs_;
};
