#include "stress/storm/Soak.h"

#include "resources/horalume/HoralumeResources.h"
#include "stress/storm/ProcessRuns.h"
#include "stress/storm/SoakLog.h"
#include "stress/storm/SoakWatch.h"
#include "taskbar/testing/TaskbarTestKit.h"

#include <prsht.h>

#include <cstdio>
#include <string>

namespace {

constexpr const char* kClockFormat = "HH:mm:ss|%DC%";
constexpr const char* kSheetFormat = "HH:mm:ss|%DC%|'soak'";

struct HorasetCase {
    const char* arguments;
    bool good; // sets SOAK to the run's number, which must read back
};

// Every few seconds one of these; the bad ones must end, answered or refused.
constexpr HorasetCase kHorasetCases[] = {
    {"SOAK=", true},
    {"/?", false},
    {"", false},
    {"-x /y =", false},
    {"SOAK=", true},
    {"%%%=%", false},
    {"LONGNAME123=v", false},
    {"BIG=", false},
    {"SOAK=", true},
    {"A=1 B==2 C", false},
    {"-? SOAK=never", false},
};

struct SoakRun {
    const Package& package;
    testkit::StandInTaskbar taskbar;
    testkit::JobProcess decitray;
    ClockWatch watch;
    SoakActions actions;
};

bool ShowsDecimalTime(DWORD timeoutMs)
{
    return testkit::WaitForClockText([](const std::string& text) { return !DecimalLineOf(text).empty(); }, timeoutMs);
}

void RunHorasetCase(SoakRun& run, unsigned index)
{
    const HorasetCase& horasetCase = kHorasetCases[index % (sizeof kHorasetCases / sizeof kHorasetCases[0])];
    std::string arguments = horasetCase.arguments;
    std::string value = std::to_string(index);
    if (horasetCase.good) {
        arguments += value;
    } else if (arguments == "BIG=") {
        arguments += std::string(300, 'b');
    }
    DWORD started = GetTickCount();
    int code = RunAndWait(run.package.Horaset(), arguments, DETACHED_PROCESS);
    ++run.actions.horasetRuns;
    if (code < 0 || code > 2) {
        ++run.actions.horasetFailed;
        std::printf("horaset %s: exit code %d after %lu ms (error %lu)\n", arguments.substr(0, 40).c_str(), code,
                    GetTickCount() - started, GetLastError());
    } else if (horasetCase.good && (code != 0 || testkit::RequestElement("SOAK").value_or("") != value)) {
        ++run.actions.horasetNotSet;
    }
}

// Opens Horalume's sheet on the running component, changes the clock format,
// sees the clock follow, cancels and sees the stored format back.
void ChangeAndCancelSheet(SoakRun& run)
{
    ++run.actions.sheetsOpened;
    UniqueHandle horalume = StartInItsFolder(run.package.Horalume(), "");
    HWND sheet = nullptr;
    bool shown = testkit::WaitUntil(
        [&] {
            sheet = FindWindowA("#32770", "Horalume Properties");
            return sheet != nullptr && IsWindowVisible(sheet);
        },
        15000);
    if (shown) {
        SendMessageA(sheet, PSM_SETCURSELID, 0, IDD_CLOCK_PAGE);
        auto page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
        SendMessageA(GetDlgItem(page, IDC_CLOCK_FORMAT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kSheetFormat));
        run.actions.sheetsChanged += testkit::WaitForClockText("soak", 5000);
        PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    }
    bool ended = horalume && WaitForExit(horalume, 15000) >= 0;
    run.actions.sheetsCancelled += shown && ended && testkit::WaitForClockText([](const std::string& text) {
                                       return text.find("soak") == std::string::npos;
                                   });
}

// Horalume /U, then Horalume: the component out and in again.
void InstallCycle(SoakRun& run)
{
    ++run.actions.cyclesTried;
    run.watch.Disturb(true);
    RunAndWait(run.package.Horalume(), "/U");
    bool removed = testkit::WaitUntil([] { return !testkit::IsComponentInstalled(); }, 5000);
    RunAndWait(run.package.Horalume(), "");
    run.actions.cycles += removed && testkit::IsComponentInstalled() && ShowsDecimalTime(10000);
    run.watch.Disturb(false);
}

// The taskbar closed with the component inside and started again; Horalume
// puts the component into the new one, and Decitray finds it by itself.
void RestartTaskbar(SoakRun& run)
{
    ++run.actions.restartsTried;
    run.watch.Disturb(true);
    run.taskbar.Stop();
    bool gone = testkit::WaitUntil([] { return !testkit::IsComponentInstalled(); }, 5000);
    if (run.taskbar.Start()) {
        PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
        RunAndWait(run.package.Horalume(), "");
        run.actions.restarts += gone && testkit::IsComponentInstalled() && ShowsDecimalTime(10000);
    }
    run.watch.Disturb(false);
}

// Every `every` minutes, two minutes before each multiple: the first
// cycle falls inside the warm-up, so a step it makes once is not taken for
// growth, and a restart (every 15: minutes 13, 28, ...) replaces a cycle.
bool DueAt(unsigned minute, unsigned every)
{
    return every > 0 && minute % every == (every + every - 2) % every;
}

// The minute's scheduled work, then horaset every few seconds until the
// next minute begins.
void RunMinute(SoakRun& run, const SoakSchedule& schedule, unsigned minute, DWORD minuteEnd, unsigned& horasetRun)
{
    if (DueAt(minute, schedule.restartEvery)) {
        RestartTaskbar(run);
    } else if (DueAt(minute, schedule.cycleEvery)) {
        InstallCycle(run);
    }
    ChangeAndCancelSheet(run);
    while (static_cast<LONG>(minuteEnd - GetTickCount()) > 0) {
        DWORD next = GetTickCount() + schedule.horasetEveryMs;
        RunHorasetCase(run, horasetRun++);
        while (static_cast<LONG>(next - GetTickCount()) > 0 && static_cast<LONG>(minuteEnd - GetTickCount()) > 0) {
            testkit::PumpMessagesFor(50);
        }
    }
}

bool StartSoak(SoakRun& run)
{
    SetHoralumeSettings(kClockFormat);
    if (!run.taskbar.Start()) {
        std::printf("soak: the stand-in taskbar did not start\n");
        return false;
    }
    run.decitray = StartInJob(run.package.Decitray());
    if (!run.decitray.process || !ShowsDecimalTime(15000)) {
        std::printf("soak: Decitray did not bring decimal time into the clock\n");
        return false;
    }
    return true;
}

} // namespace

bool Soak(const Package& package, const SoakSchedule& schedule)
{
    SoakRun run{package, {}, testkit::JobProcess(), {}, {}};
    if (!StartSoak(run)) {
        EndProgram(run.decitray);
        return false;
    }
    run.watch.Start();
    SoakLog log(schedule);
    DWORD start = GetTickCount();
    unsigned horasetRun = 0;
    for (unsigned minute = 0; minute < schedule.minutes; ++minute) {
        log.Minute(minute, run.taskbar.Process(), run.decitray.process.Get(), run.watch.Counts(), run.actions);
        RunMinute(run, schedule, minute, start + (minute + 1) * 60000, horasetRun);
    }
    log.Minute(schedule.minutes, run.taskbar.Process(), run.decitray.process.Get(), run.watch.Counts(), run.actions);
    run.watch.Stop();
    EndProgram(run.decitray);
    testkit::RemoveClockComponent(package.Dll());
    return log.Verdict(run.watch.Counts(), run.actions);
}
