// The soak's minute log and its verdict.
#pragma once

#include "stress/storm/Soak.h"
#include "stress/storm/SoakWatch.h"

#include <windows.h>

#include <vector>

// What the soak did, and how often it went as it should.
struct SoakActions {
    unsigned horasetRuns = 0;
    unsigned horasetFailed = 0; // hung, crashed or an exit code beyond 0 to 2
    unsigned horasetNotSet = 0; // a good run whose value did not read back
    unsigned sheetsOpened = 0;
    unsigned sheetsChanged = 0;   // the clock showed the sheet's change
    unsigned sheetsCancelled = 0; // the clock showed the stored format again
    unsigned cyclesTried = 0;
    unsigned cycles = 0; // removed and back with decimal time
    unsigned restartsTried = 0;
    unsigned restarts = 0; // the new taskbar's clock showed decimal time
};

class SoakLog {
public:
    explicit SoakLog(const SoakSchedule& schedule) : schedule_(schedule) {}

    // Reads both processes and prints the minute's line.
    void Minute(unsigned minute, HANDLE shell, HANDLE decitray, const ClockCounts& clock, const SoakActions& actions);
    // Prints the first and last value of every count and the verdict: every
    // count flat from schedule.flatFrom on, both processes alive throughout,
    // no second lost while the component was in, every action done.
    bool Verdict(const ClockCounts& clock, const SoakActions& actions) const;

private:
    const SoakSchedule& schedule_;
    std::vector<ProcessReading> shell_;
    std::vector<ProcessReading> decitray_;
};
