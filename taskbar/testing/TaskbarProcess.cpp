// The stand-in taskbar as a child process of the test: started with its
// layout, driven through its own messages, and looked at on the screen.
#include "taskbar/testing/TaskbarTestKit.h"

#include "hookapi/HookApi.h"
#include "taskbar/TaskbarPlaces.h"
#include "taskbar/testing/JobProcess.h"
#include "win32/TaskbarClock.h"

#include <string>

namespace testkit {

static constexpr DWORD kPollMs = 20;

static std::string CommandLine(const StandInOptions& options)
{
    std::string commandLine = std::string("\"") + TASKBAR_EXE_PATH + "\"";
    if (options.clock == ClockMode::None) {
        commandLine += std::string(" ") + kNoClockSwitch;
    } else if (options.clock == ClockMode::Hidden) {
        commandLine += std::string(" ") + kHiddenClockSwitch;
    }
    commandLine += std::string(" ") + kLayoutSwitch + " " + kLayoutNames[static_cast<int>(options.layout)];
    commandLine += std::string(" ") + kEdgeSwitch + " " + kEdgeNames[static_cast<int>(options.edge)];
    if (options.theme != StandInTheme::System) {
        commandLine += std::string(" ") + kThemeSwitch + " " + kThemeNames[static_cast<int>(options.theme)];
    }
    if (options.dpi != 0) {
        commandLine += std::string(" ") + kDpiSwitch + " " + std::to_string(options.dpi);
    }
    return commandLine + " " + kMonitorsSwitch + " " + std::to_string(options.monitors);
}

bool StandInTaskbar::Start(ClockMode mode, DWORD timeoutMs)
{
    StandInOptions options;
    options.clock = mode;
    return Start(options, timeoutMs);
}

bool StandInTaskbar::Start(const StandInOptions& options, DWORD timeoutMs)
{
    Stop();
    trayState_ = TrayState();
    if (options.dpi != 0 && !dpi_.Set(options.dpi)) {
        return false;
    }
    // The job ends the taskbar even when the test process dies first.
    JobProcess started;
    if (!StartInJob(CommandLine(options), "", started)) {
        return false;
    }
    job_ = std::move(started.job);
    process_ = std::move(started.process);
    processId_ = started.processId;
    thread_ = started.threadId;
    if (!WaitUntilBuilt(static_cast<size_t>(options.monitors), nullptr, timeoutMs)) {
        Stop();
        return false;
    }
    return true;
}

// The stand-in shows each taskbar once its children are made, so a visible
// taskbar has its clock window or bridge. Takes the primary and its clock.
bool StandInTaskbar::WaitUntilBuilt(size_t count, HWND oldPrimary, DWORD timeoutMs)
{
    for (DWORD waited = 0; waited <= timeoutMs; waited += kPollMs) {
        const std::vector<HWND> taskbars = Taskbars();
        bool built = taskbars.size() == count && taskbars.front() != oldPrimary;
        for (HWND taskbar : taskbars) {
            built = built && IsWindowVisible(taskbar);
        }
        if (built) {
            tray_ = taskbars.front();
            clock_ = ClockOfTaskbar(tray_).clock;
            return true;
        }
        if (WaitForSingleObject(process_.Get(), kPollMs) == WAIT_OBJECT_0) {
            break;
        }
    }
    return false;
}

bool StandInTaskbar::Stop(DWORD timeoutMs)
{
    bool closedItself = false;
    if (process_) {
        const std::vector<HWND> taskbars = Taskbars();
        if (!taskbars.empty()) {
            PostMessageA(taskbars.front(), WM_CLOSE, 0, 0);
        }
        closedItself = !taskbars.empty() && WaitForSingleObject(process_.Get(), timeoutMs) == WAIT_OBJECT_0;
        if (!closedItself) {
            TerminateProcess(process_.Get(), 1);
            WaitForSingleObject(process_.Get(), timeoutMs);
        }
    }
    if (job_) {
        TerminateJobObject(job_.Get(), 1);
    }
    job_.Reset();
    process_.Reset();
    processId_ = 0;
    thread_ = 0;
    tray_ = nullptr;
    clock_ = nullptr;
    dpi_.Restore();
    return closedItself;
}

bool StandInTaskbar::IsRunning() const
{
    return process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

std::vector<HWND> StandInTaskbar::Taskbars() const
{
    return thread_ != 0 ? FindTaskbars(thread_) : std::vector<HWND>();
}

// Sends one of the stand-in's own messages to its primary; its answer, or 0.
static LRESULT Ask(HWND tray, const char* messageName, WPARAM wParam = 0, LPARAM lParam = 0)
{
    DWORD_PTR answer = 0;
    if (tray == nullptr ||
        !SendMessageTimeoutA(tray, RegisterWindowMessageA(messageName), wParam, lParam, SMTO_NORMAL, 5000, &answer)) {
        return 0;
    }
    return static_cast<LRESULT>(answer);
}

HWND StandInTaskbar::AddTaskbar() const
{
    return reinterpret_cast<HWND>(Ask(tray_, kAddTaskbarMessage));
}

bool StandInTaskbar::RemoveTaskbar() const
{
    return Ask(tray_, kRemoveTaskbarMessage) == 1;
}

bool StandInTaskbar::Restart(DWORD timeoutMs)
{
    const size_t count = Taskbars().size();
    return Ask(tray_, kRestartMessage) == 1 && WaitUntilBuilt(count, tray_, timeoutMs);
}

bool StandInTaskbar::ClockProcedureIsOriginal() const
{
    return Ask(tray_, kClockProcIntactMessage) == 1;
}

bool StandInTaskbar::SubclassClockOnTop() const
{
    return Ask(tray_, kSubclassClockMessage) == 1;
}

bool StandInTaskbar::SetTheme(StandInTheme theme) const
{
    return theme != StandInTheme::System && Ask(tray_, kSetThemeMessage, theme == StandInTheme::Light) == 1;
}

bool StandInTaskbar::SetAutoHide(bool on) const
{
    return Ask(tray_, kSetAutoHideMessage, on) == 1;
}

bool StandInTaskbar::ShowFullScreenWindow(bool shown) const
{
    return Ask(tray_, kFullScreenMessage, shown) != 0;
}

bool StandInTaskbar::MoveTaskbars(StandInEdge edge) const
{
    return Ask(tray_, kMoveTaskbarsMessage, static_cast<WPARAM>(edge)) == 1;
}

bool StandInTaskbar::GrowClockBridge(int pixels) const
{
    return Ask(tray_, kGrowClockBridgeMessage, static_cast<WPARAM>(pixels)) == 1;
}

bool StandInTaskbar::SetTrayItem(TrayItem item, int value)
{
    if (Ask(tray_, kSetTrayItemMessage, static_cast<WPARAM>(item), value) != 1) {
        return false;
    }
    trayState_.values[static_cast<int>(item)] = value;
    return true;
}

RECT StandInTaskbar::TrayElementRect(HWND taskbar, const char* className, const char* automationId) const
{
    HWND bridge = ClockBridgeOfTaskbar(taskbar);
    RECT area = {};
    if (bridge == nullptr || !GetWindowRect(bridge, &area)) {
        return RECT{};
    }
    for (const TrayElement& element : TrayElements(area, DpiOfWindow(bridge), trayState_)) {
        if (std::string(element.className) == className &&
            (automationId == nullptr || std::string(element.automationId) == automationId)) {
            return element.rect;
        }
    }
    return RECT{};
}

} // namespace testkit
