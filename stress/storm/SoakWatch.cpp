#include "stress/storm/SoakWatch.h"

#include "stress/storm/ShellHealth.h"
#include "taskbar/testing/TaskbarTestKit.h"

#include <cstdio>
#include <map>
#include <sstream>

namespace {

constexpr DWORD kSampleMs = 200;
// A sample later than this may have missed a text shown for a whole second.
constexpr DWORD kLateMs = 800;

struct WindowCount {
    DWORD processId;
    DWORD windows;
    std::map<std::string, int> classes;
};

void CountWindow(HWND window, WindowCount& count)
{
    ++count.windows;
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    ++count.classes[name];
}

BOOL CALLBACK CountChild(HWND window, LPARAM count)
{
    CountWindow(window, *reinterpret_cast<WindowCount*>(count));
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM count)
{
    auto* counted = reinterpret_cast<WindowCount*>(count);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == counted->processId) {
        CountWindow(window, *counted);
        EnumChildWindows(window, CountChild, count);
    }
    return TRUE;
}

} // namespace

std::string DecimalLineOf(const std::string& clockText)
{
    std::istringstream lines(clockText);
    std::string line;
    while (std::getline(lines, line)) {
        int hour = -1, minute = -1, second = -1;
        char end = 0;
        if (std::sscanf(line.c_str(), "%d::%d::%d%c", &hour, &minute, &second, &end) == 3 && hour >= 0 && hour < 10 &&
            minute >= 0 && minute < 100 && second >= 0 && second < 100) {
            return line;
        }
    }
    return std::string();
}

void ClockWatch::Start()
{
    stop_ = false;
    thread_ = std::thread([this] { Run(); });
}

void ClockWatch::Stop()
{
    stop_ = true;
    if (thread_.joinable()) {
        thread_.join();
    }
}

void ClockWatch::Disturb(bool on)
{
    ++epoch_;
    disturbed_ = on;
}

ClockCounts ClockWatch::Counts()
{
    std::lock_guard<std::mutex> lock(mutex_);
    return counts_;
}

void ClockWatch::Run()
{
    while (!stop_) {
        std::string text = testkit::ClockText();
        Take(text, CurrentMoment(), GetTickCount());
        Sleep(kSampleMs);
    }
}

// A stretch begins at the first calm sample; its first second was watched
// only in part, and the last two may still be on their way.
void ClockWatch::Take(const std::string& text, Moment now, DWORD tick)
{
    unsigned epoch = epoch_;
    bool disturbed = disturbed_;
    std::lock_guard<std::mutex> lock(mutex_);
    ++counts_.samples;
    bool late = counts_.samples > 1 && tick - lastTick_ > kLateMs;
    lastTick_ = tick;
    counts_.sampleGaps += late && !disturbed;
    if (disturbed || late || epoch != stretchEpoch_) {
        counts_.disturbed += disturbed;
        inStretch_ = false;
        stretchEpoch_ = epoch;
        seen_.clear();
        if (disturbed) {
            return;
        }
    }
    if (!inStretch_) {
        inStretch_ = true;
        checkedUpTo_ = now;
    }
    std::string line = DecimalLineOf(text);
    if (line.empty()) {
        ++counts_.withoutDecimal;
    } else {
        seen_.insert(line);
    }
    CheckSecondsUpTo(now - 2);
}

void ClockWatch::CheckSecondsUpTo(Moment last)
{
    for (Moment second = checkedUpTo_ + 1; second <= last; ++second) {
        ++counts_.seconds;
        std::string text = DecimalClockText(second);
        if (seen_.count(text) == 0) {
            ++counts_.lost;
            if (counts_.firstLoss.empty()) {
                counts_.firstLoss = text + " (second " + std::to_string(second) + ")";
            }
        }
    }
    if (last > checkedUpTo_) {
        checkedUpTo_ = last;
    }
}

ProcessReading ReadProcess(HANDLE process)
{
    ShellHealth health = MeasureProcess(process, nullptr);
    ProcessReading reading;
    reading.alive = health.alive;
    reading.handles = health.handles;
    reading.residentKb = health.residentKb;
    reading.gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
    reading.userObjects = GetGuiResources(process, GR_USEROBJECTS);
    WindowCount count{GetProcessId(process), 0, {}};
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&count));
    reading.windows = count.windows;
    for (const auto& entry : count.classes) {
        reading.windowClasses += " " + entry.first + (entry.second > 1 ? " x" + std::to_string(entry.second) : "");
    }
    return reading;
}
