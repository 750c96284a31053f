#include "stress/storm/ProcessRuns.h"
#include "stress/storm/ShellHealth.h"
#include "stress/storm/Storms.h"
#include "taskbar/testing/TaskbarTestKit.h"

#include <cstdio>

namespace {

// Decitray's clock text "hour::minute::second" in the clock.
bool ShowsDecimalTime(DWORD timeoutMs)
{
    return testkit::WaitForClockText("::", timeoutMs);
}

struct RestartCounts {
    unsigned closedWithComponent = 0; // the mutex went with the old taskbar
    unsigned decimalAgain = 0;        // the new taskbar's clock showed Decitray's pokes
};

// One restart: the taskbar closes with the component inside, a new one
// starts and announces itself, and Horalume installs the component into it.
bool Restart(testkit::StandInTaskbar& taskbar, const Package& package, RestartCounts& counts)
{
    taskbar.Stop();
    counts.closedWithComponent += testkit::WaitUntil([] { return !testkit::IsComponentInstalled(); }, 2000);
    if (!taskbar.Start()) {
        return false;
    }
    PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    RunAndWait(package.Horalume(), "");
    counts.decimalAgain += ShowsDecimalTime(5000);
    return true;
}

} // namespace

bool TaskbarRestarts(const Package& package, unsigned count)
{
    SetHoralumeSettings("HH:mm:ss|%DC%");
    testkit::StandInTaskbar taskbar;
    if (!taskbar.Start()) {
        return false;
    }
    testkit::JobProcess decitray = StartInJob(package.Decitray());
    if (!decitray.process || !ShowsDecimalTime(10000)) {
        std::printf("restarts: Decitray did not bring decimal time into the clock\n");
        EndProgram(decitray);
        return false;
    }
    RestartCounts counts;
    Restart(taskbar, package, counts); // warm-up
    ShellHealth before = MeasureProcess(decitray.process.Get(), nullptr);
    counts = RestartCounts();
    unsigned restarted = 0;
    for (unsigned i = 0; i < count && Restart(taskbar, package, counts); ++i) {
        ++restarted;
    }
    ShellHealth after = MeasureProcess(decitray.process.Get(), nullptr);
    ShellHealth shell = MeasureProcess(taskbar.Process(), taskbar.ClockWindow());
    after.alive = after.alive && shell.alive;
    after.answered = shell.answered;
    after.replyMs = shell.replyMs;
    EndProgram(decitray);
    testkit::RemoveClockComponent(package.Dll());

    bool ok = restarted == count && counts.closedWithComponent == count && counts.decimalAgain == count;
    std::string line = std::to_string(restarted) + " restarts, component gone with the old taskbar " +
                       std::to_string(counts.closedWithComponent) + " times, decimal time back " +
                       std::to_string(counts.decimalAgain) + " times (handles and memory: Decitray's)";
    return ReportHealth("restarts", line, before, after, ok, "");
}
