#include "horalume/loader/InstallWait.h"

WaitOutcome AwaitComponent(std::int32_t storedInstallTime, bool install, const WaitSteps& steps)
{
    std::int32_t waitMs = storedInstallTime < 0 ? kDefaultInstallTime : storedInstallTime;
    std::int32_t totalMs = waitMs;
    for (;;) {
        if (steps.wait(static_cast<std::uint32_t>(waitMs))) {
            return WaitOutcome::Reported;
        }
        if (!install) {
            return WaitOutcome::TimedOut;
        }
        if (totalMs >= kInstallGiveUpTotal) {
            return WaitOutcome::GaveUp;
        }
        steps.warn();
        waitMs = kInstallTimeStep;
        totalMs += kInstallTimeStep; // below the give-up total here, so no overflow
        steps.store(totalMs);
    }
}
