#include "stress/storm/SoakLog.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr double kAllowedPercent = 2.0;

struct Count {
    const char* name;
    double (*value)(const ProcessReading&);
};

const Count kCounts[] = {
    {"handles", [](const ProcessReading& r) { return static_cast<double>(r.handles); }},
    {"GDI objects", [](const ProcessReading& r) { return static_cast<double>(r.gdiObjects); }},
    {"USER objects", [](const ProcessReading& r) { return static_cast<double>(r.userObjects); }},
    {"windows", [](const ProcessReading& r) { return static_cast<double>(r.windows); }},
    {"resident KB", [](const ProcessReading& r) { return static_cast<double>(r.residentKb); }},
};

void PrintReading(const char* who, const ProcessReading& reading)
{
    std::printf(" | %s %s handles %lu gdi %lu user %lu windows %lu resident %lu KB", who,
                reading.alive ? "alive" : "DEAD", static_cast<unsigned long>(reading.handles),
                static_cast<unsigned long>(reading.gdiObjects), static_cast<unsigned long>(reading.userObjects),
                static_cast<unsigned long>(reading.windows), static_cast<unsigned long>(reading.residentKb));
}

// Prints each count's first, baseline and last value and its largest rise
// and fall from the baseline; false when it rose by more than allowed. A fall
// is no leak: a restarted shell starts lower.
bool FlatFrom(const char* who, const std::vector<ProcessReading>& readings, std::size_t baseline)
{
    bool flat = true;
    for (const Count& count : kCounts) {
        double base = count.value(readings[baseline]);
        double rise = 0, fall = 0;
        for (std::size_t i = baseline; i < readings.size(); ++i) {
            double value = count.value(readings[i]);
            double percent = base > 0 ? 100 * (value - base) / base : (value > 0 ? 100 : 0);
            rise = std::max(rise, percent);
            fall = std::min(fall, percent);
        }
        bool ok = rise <= kAllowedPercent;
        flat = flat && ok;
        std::printf("  %-8s %-12s minute 0: %6.0f  minute %zu: %6.0f  last: %6.0f  rise %+5.1f%%  fall %+5.1f%%%s%s\n",
                    who, count.name, count.value(readings.front()), baseline, base, count.value(readings.back()), rise,
                    fall, ok ? "" : "  NOT FLAT", base == 0 && rise == 0 ? "  (always 0)" : "");
    }
    return flat;
}

// The process's windows, whenever their classes differ from the last minute's.
void PrintNewWindows(const char* who, const std::vector<ProcessReading>& readings)
{
    const std::string& now = readings.back().windowClasses;
    if (readings.size() == 1 || readings[readings.size() - 2].windowClasses != now) {
        std::printf("  %s windows:%s\n", who, now.c_str());
    }
}

bool AliveThroughout(const std::vector<ProcessReading>& readings)
{
    return std::all_of(readings.begin(), readings.end(), [](const ProcessReading& r) { return r.alive; });
}

} // namespace

void SoakLog::Minute(unsigned minute, HANDLE shell, HANDLE decitray, const ClockCounts& clock,
                     const SoakActions& actions)
{
    shell_.push_back(ReadProcess(shell));
    decitray_.push_back(ReadProcess(decitray));
    std::printf("minute %2u", minute);
    PrintReading("shell", shell_.back());
    PrintReading("Decitray", decitray_.back());
    std::printf(" | clock: %u samples, %u seconds, %u lost, %u without decimal text | horaset %u, sheets %u, "
                "cycles %u, restarts %u\n",
                clock.samples, clock.seconds, clock.lost, clock.withoutDecimal, actions.horasetRuns,
                actions.sheetsOpened, actions.cycles, actions.restarts);
    PrintNewWindows("shell", shell_);
    PrintNewWindows("Decitray", decitray_);
    std::fflush(stdout);
}

bool SoakLog::Verdict(const ClockCounts& clock, const SoakActions& actions) const
{
    std::size_t baseline = std::min<std::size_t>(schedule_.flatFrom, shell_.size() - 1);
    std::printf("counts (GetGuiResources answers 0 for another process under Wine: the windows are counted too):\n");
    bool flat = FlatFrom("shell", shell_, baseline);
    flat = FlatFrom("Decitray", decitray_, baseline) && flat;
    bool alive = AliveThroughout(shell_) && AliveThroughout(decitray_);
    bool clockOk = clock.lost == 0 && clock.withoutDecimal == 0;
    bool actionsOk = actions.horasetFailed == 0 && actions.horasetNotSet == 0 &&
                     actions.sheetsChanged == actions.sheetsOpened && actions.sheetsCancelled == actions.sheetsOpened &&
                     actions.cycles == actions.cyclesTried && actions.restarts == actions.restartsTried;
    std::printf("clock: %u samples, %u whole seconds checked, %u lost, %u samples without decimal text, %u taken "
                "while the component was out, %u late samples%s%s\n",
                clock.samples, clock.seconds, clock.lost, clock.withoutDecimal, clock.disturbed, clock.sampleGaps,
                clock.firstLoss.empty() ? "" : "; first loss: ", clock.firstLoss.c_str());
    std::printf("horaset: %u runs, %u failed, %u good runs not read back; sheets: %u opened, %u changes shown, %u "
                "cancelled back; install cycles %u of %u; taskbar restarts %u of %u\n",
                actions.horasetRuns, actions.horasetFailed, actions.horasetNotSet, actions.sheetsOpened,
                actions.sheetsChanged, actions.sheetsCancelled, actions.cycles, actions.cyclesTried, actions.restarts,
                actions.restartsTried);
    bool ok = flat && alive && clockOk && actionsOk;
    std::printf("verdict: %s (counts %s, processes %s, clock %s, actions %s)\n", ok ? "PASSED" : "FAILED",
                flat ? "flat" : "NOT FLAT", alive ? "alive" : "ONE DIED", clockOk ? "no second lost" : "SECONDS LOST",
                actionsOk ? "all done" : "SOME FAILED");
    std::fflush(stdout);
    return ok;
}
