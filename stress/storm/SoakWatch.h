// What the soak watches: the clock's decimal text, sampled every ~200 ms on a
// thread of its own, and each process's resources, read once a minute.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

#include "decimal/DecimalTime.h"

#include <set>

// The line of the clock's text that holds Decitray's "h::m::s", or "".
std::string DecimalLineOf(const std::string& clockText);

struct ClockCounts {
    unsigned samples = 0;
    unsigned seconds = 0;        // whole seconds checked
    unsigned lost = 0;           // of those, seconds whose decimal text the clock never showed
    unsigned withoutDecimal = 0; // samples without decimal text while undisturbed
    unsigned disturbed = 0;      // samples taken during a restart or a removal
    unsigned sampleGaps = 0;     // the sampler itself late by over kLateMs: those seconds are not judged
    std::string firstLoss;       // the first lost second's text and the time it was missed
};

// Samples the clock until stopped and checks that each whole second's
// decimal text (Decitray pushes the text of the current second) was shown.
// Seconds are judged only inside a stretch without disturbance (the
// component out of the taskbar) and without a late sample.
class ClockWatch {
public:
    ClockWatch() = default;
    ClockWatch(const ClockWatch&) = delete;
    ClockWatch& operator=(const ClockWatch&) = delete;
    ~ClockWatch() { Stop(); }

    void Start();
    void Stop();
    // Marks the start and the end of a disturbance.
    void Disturb(bool on);
    ClockCounts Counts();

private:
    void Run();
    void Take(const std::string& text, Moment now, DWORD tick);
    void CheckSecondsUpTo(Moment last);

    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> disturbed_{false};
    std::atomic<unsigned> epoch_{0};
    std::mutex mutex_;
    ClockCounts counts_;
    unsigned stretchEpoch_ = ~0u;
    bool inStretch_ = false;
    Moment checkedUpTo_ = 0;
    DWORD lastTick_ = 0;
    std::set<std::string> seen_;
};

// A process's resources. GetGuiResources of another process answers 0 under
// Wine, so the windows it owns are counted as well.
struct ProcessReading {
    bool alive = false;
    DWORD handles = 0;
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;
    DWORD windows = 0;
    SIZE_T residentKb = 0;
    std::string windowClasses; // each class once, with its count
};

ProcessReading ReadProcess(HANDLE process);
