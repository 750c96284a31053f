// taskbar.exe: a stand-in for the shell's taskbars, so the clock component can
// be loaded and watched under Wine. A "Shell_TrayWnd" along the bottom of the
// first monitor and a "Shell_SecondaryTrayWnd" along each other's, built as
// the chosen shell builds them (see TaskbarLayout). Switches: /noclock (no
// classic clock), /hiddenclock, /hung, --layout NAME, --monitors N, --edge EDGE,
// --dpi N, --theme dark|light. Messages to the primary add, remove and
// re-create taskbars, switch the theme and auto-hide, and open a full-screen
// program at run time.
#include "hookapi/HookApi.h"
#include "taskbar/StandInTaskbar.h"
#include "taskbar/TaskbarParts.h"
#include "taskbar/TaskbarPlaces.h"
#include "taskbar/TaskbarStates.h"
#include "taskbar/TaskbarTray.h"
#include "win32/WindowBinding.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

// Posted to the primary by the restart request, so the sender is answered
// before the primary goes.
constexpr UINT kRestartNowMessage = WM_APP + 1;

namespace {

// Every taskbar of the process; the primary's window is bound to it.
class StandIn {
public:
    StandIn(HINSTANCE instance, const TaskbarOptions& options);
    StandIn(const StandIn&) = delete;
    StandIn& operator=(const StandIn&) = delete;

    // Creates one taskbar for each monitor; false without a primary.
    bool Create(int count);

private:
    static const WNDPROC TrayProc;
    LRESULT HandleTrayMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool HandleStateMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& answer);
    void SwitchTheme(StandInTheme theme);
    void MoveAll(StandInEdge edge);
    void RepaintAll();
    HWND AddSecondary();
    bool RemoveSecondary();
    void Restart();
    void DestroyAll();

    HINSTANCE instance_;
    TaskbarOptions options_;
    HWND tray_ = nullptr;
    Taskbar primary_;
    std::vector<Taskbar> secondaries_;
    HWND fullScreen_ = nullptr;
    const UINT clockProcIntactMessage_;
    const UINT openMenuItemsMessage_;
    const UINT subclassClockMessage_;
    const UINT addTaskbarMessage_;
    const UINT removeTaskbarMessage_;
    const UINT restartMessage_;
    const UINT setThemeMessage_;
    const UINT setAutoHideMessage_;
    const UINT fullScreenMessage_;
    const UINT moveTaskbarsMessage_;
    const UINT growClockBridgeMessage_;
    const UINT setTrayItemMessage_;
};

} // namespace

// Wine's own (hidden) tray window, which keeps the notification icons.
static HWND FindOtherTray(HWND ours)
{
    HWND tray = nullptr;
    while ((tray = FindWindowExA(nullptr, tray, hookapi::kTrayWindowClass, nullptr)) != nullptr) {
        if (tray != ours) {
            return tray;
        }
    }
    return nullptr;
}

static HMENU OpenMenu()
{
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, "#32768", nullptr)) != nullptr) {
        if (IsWindowVisible(window) && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) {
            return reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0));
        }
    }
    return nullptr;
}

static ATOM OpenMenuItemsAtom()
{
    HMENU menu = OpenMenu();
    if (menu == nullptr) {
        return 0;
    }
    char list[256] = "";
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[64] = "";
        MENUITEMINFOA item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
        item.dwTypeData = text;
        item.cch = sizeof text;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &item);
        if (item.fType & MFT_SEPARATOR) {
            lstrcpyA(text, "-");
        } else if (item.fType & MFT_OWNERDRAW) {
            wsprintfA(text, "[owner-drawn #%u]", item.wID);
        }
        if (lstrlenA(list) + lstrlenA(text) + 2 >= static_cast<int>(sizeof list)) {
            break;
        }
        if (i > 0) {
            lstrcatA(list, "\n");
        }
        lstrcatA(list, text);
    }
    return GlobalAddAtomA(list);
}

StandIn::StandIn(HINSTANCE instance, const TaskbarOptions& options)
    : instance_(instance), options_(options), clockProcIntactMessage_(RegisterWindowMessageA(kClockProcIntactMessage)),
      openMenuItemsMessage_(RegisterWindowMessageA(kOpenMenuItemsMessage)),
      subclassClockMessage_(RegisterWindowMessageA(kSubclassClockMessage)),
      addTaskbarMessage_(RegisterWindowMessageA(kAddTaskbarMessage)),
      removeTaskbarMessage_(RegisterWindowMessageA(kRemoveTaskbarMessage)),
      restartMessage_(RegisterWindowMessageA(kRestartMessage)),
      setThemeMessage_(RegisterWindowMessageA(kSetThemeMessage)),
      setAutoHideMessage_(RegisterWindowMessageA(kSetAutoHideMessage)),
      fullScreenMessage_(RegisterWindowMessageA(kFullScreenMessage)),
      moveTaskbarsMessage_(RegisterWindowMessageA(kMoveTaskbarsMessage)),
      growClockBridgeMessage_(RegisterWindowMessageA(kGrowClockBridgeMessage)),
      setTrayItemMessage_(RegisterWindowMessageA(kSetTrayItemMessage))
{
    RegisterTaskbarClasses(instance, TrayProc, ThemeBrush(options.theme));
}

bool StandIn::Create(int count)
{
    primary_ = CreateTaskbar(instance_, options_, 0, nullptr, this);
    if (primary_.window == nullptr) {
        return false;
    }
    while (static_cast<int>(secondaries_.size()) + 1 < count && AddSecondary() != nullptr) {
    }
    return true;
}

HWND StandIn::AddSecondary()
{
    const int index = static_cast<int>(secondaries_.size()) + 1;
    Taskbar taskbar = CreateTaskbar(instance_, options_, index, primary_.window, nullptr);
    if (taskbar.window == nullptr) {
        return nullptr;
    }
    secondaries_.push_back(std::move(taskbar));
    return secondaries_.back().window;
}

bool StandIn::RemoveSecondary()
{
    if (secondaries_.empty()) {
        return false;
    }
    DestroyWindow(secondaries_.back().window);
    secondaries_.pop_back();
    return true;
}

// A restart brings the taskbars back shown, without the full-screen program.
void StandIn::DestroyAll()
{
    if (fullScreen_ != nullptr) {
        CloseFullScreen(fullScreen_, primary_.window);
        fullScreen_ = nullptr;
    }
    while (RemoveSecondary()) {
    }
    DestroyWindow(primary_.window);
    primary_ = Taskbar();
}

// As a restarted shell: the same taskbars anew, then the news to their users.
void StandIn::Restart()
{
    const int count = static_cast<int>(secondaries_.size()) + 1;
    DestroyAll();
    if (!Create(count)) {
        PostQuitMessage(1);
        return;
    }
    SendNotifyMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
}

void StandIn::SwitchTheme(StandInTheme theme)
{
    options_.theme = theme;
    WriteTheme(theme);
    PaintInTheme(primary_.window, theme);
    for (const Taskbar& secondary : secondaries_) {
        PaintInTheme(secondary.window, theme);
    }
    BroadcastThemeChange();
}

void StandIn::MoveAll(StandInEdge edge)
{
    options_.edge = edge;
    MoveTaskbar(primary_, options_, 0);
    for (size_t i = 0; i < secondaries_.size(); ++i) {
        MoveTaskbar(secondaries_[i], options_, static_cast<int>(i) + 1);
    }
}

void StandIn::RepaintAll()
{
    RedrawWindow(primary_.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    for (const Taskbar& secondary : secondaries_) {
        RedrawWindow(secondary.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
}

// The theme, auto-hide, full-screen and layout requests; false for others.
bool StandIn::HandleStateMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& answer)
{
    answer = 1;
    if (message == setThemeMessage_ && message != 0) {
        SwitchTheme(wParam != 0 ? StandInTheme::Light : StandInTheme::Dark);
    } else if (message == setAutoHideMessage_ && message != 0) {
        ShowWindow(primary_.window, wParam != 0 ? SW_HIDE : SW_SHOWNOACTIVATE);
    } else if (message == fullScreenMessage_ && message != 0 && wParam != 0) {
        if (fullScreen_ == nullptr) {
            fullScreen_ = OpenFullScreen(instance_, PrimaryMonitor(options_.monitors), primary_.window);
        }
        answer = reinterpret_cast<LRESULT>(fullScreen_);
    } else if (message == fullScreenMessage_ && message != 0) {
        if (fullScreen_ != nullptr) {
            CloseFullScreen(fullScreen_, primary_.window);
            fullScreen_ = nullptr;
        }
    } else if (message == moveTaskbarsMessage_ && message != 0 && wParam < std::size(kEdgeNames)) {
        MoveAll(static_cast<StandInEdge>(wParam));
    } else if (message == setTrayItemMessage_ && message != 0) {
        answer = SetTrayItem(wParam, lParam);
        RepaintAll();
        AnnounceTrayChange(primary_.window);
        for (const Taskbar& secondary : secondaries_) {
            AnnounceTrayChange(secondary.window);
        }
    } else if (message == growClockBridgeMessage_ && message != 0) {
        GrowClockBridge(secondaries_.empty() ? primary_.window : secondaries_.back().window, static_cast<int>(wParam));
    } else {
        return false;
    }
    return true;
}

LRESULT StandIn::HandleTrayMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT answer = 0;
    if (HandleStateMessage(message, wParam, lParam, answer)) {
        return answer;
    }
    if (message == clockProcIntactMessage_ && message != 0) {
        return primary_.clock != nullptr && primary_.clock->RunsOwnProcedure();
    }
    if (message == openMenuItemsMessage_ && message != 0) {
        return OpenMenuItemsAtom();
    }
    if (message == subclassClockMessage_ && message != 0) {
        return primary_.clock != nullptr && primary_.clock->SubclassOnTop();
    }
    if (message == addTaskbarMessage_ && message != 0) {
        return reinterpret_cast<LRESULT>(AddSecondary());
    }
    if (message == removeTaskbarMessage_ && message != 0) {
        return RemoveSecondary();
    }
    if (message == restartMessage_ && message != 0) {
        return PostMessageA(tray_, kRestartNowMessage, 0, 0);
    }
    switch (message) {
    case kRestartNowMessage:
        Restart();
        return 0;
    case WM_COPYDATA: {
        // Tray icons: Shell_NotifyIcon finds us first, Wine's tray does the work.
        HWND other = FindOtherTray(tray_);
        return other != nullptr ? SendMessageA(other, WM_COPYDATA, wParam, lParam) : FALSE;
    }
    case WM_CLOSE:
        DestroyAll();
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(tray_, message, wParam, lParam);
}

const WNDPROC StandIn::TrayProc = BoundWindowProc<StandIn, &StandIn::tray_, &StandIn::HandleTrayMessage>;

// The word after a switch; nothing when the switch is absent.
static std::optional<std::string> SwitchValue(const char* commandLine, const char* name)
{
    const char* at = std::strstr(commandLine, name);
    if (at == nullptr) {
        return std::nullopt;
    }
    at += std::strlen(name);
    while (*at == ' ') {
        ++at;
    }
    const char* end = at;
    while (*end != '\0' && *end != ' ') {
        ++end;
    }
    return std::string(at, end);
}

// Sets choice to the index of the switch's value among the names, or false.
template <typename Choice, size_t Count>
static bool ReadChoice(const char* commandLine, const char* name, const char* const (&names)[Count], Choice& choice)
{
    const std::optional<std::string> value = SwitchValue(commandLine, name);
    if (!value) {
        return true;
    }
    size_t known = 0;
    while (known < Count && *value != names[known]) {
        ++known;
    }
    if (known == Count) {
        return false;
    }
    choice = static_cast<Choice>(known);
    return true;
}

// False for a layout, edge, theme, monitor count or DPI it does not know.
static bool ReadOptions(const char* commandLine, TaskbarOptions& options)
{
    options.withClock = std::strstr(commandLine, kNoClockSwitch) == nullptr;
    options.clockShown = std::strstr(commandLine, kHiddenClockSwitch) == nullptr;
    if (!ReadChoice(commandLine, kLayoutSwitch, kLayoutNames, options.layout) ||
        !ReadChoice(commandLine, kEdgeSwitch, kEdgeNames, options.edge) ||
        !ReadChoice(commandLine, kThemeSwitch, kThemeNames, options.theme)) {
        return false;
    }
    if (const std::optional<std::string> monitors = SwitchValue(commandLine, kMonitorsSwitch)) {
        options.monitors = std::atoi(monitors->c_str());
    }
    if (const std::optional<std::string> dpi = SwitchValue(commandLine, kDpiSwitch)) {
        options.dpi = std::atoi(dpi->c_str());
        if (options.dpi < 96) {
            return false;
        }
    }
    return options.monitors >= 1 && options.monitors <= kMaxMonitors;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    TaskbarOptions options;
    if (!ReadOptions(commandLine, options)) {
        return 2;
    }
    const int dpi = DeclareDpiAwareness();
    if (options.dpi != 0 && options.dpi != dpi) {
        return kWrongDpiExitCode;
    }
    options.dpi = dpi;
    WriteTheme(options.theme);
    // The bridges' accessibility objects are served from this thread.
    if (FAILED(OleInitialize(nullptr))) {
        return 1;
    }
    StandIn standIn(instance, options);
    if (!standIn.Create(options.monitors)) {
        return 1;
    }
    if (std::strstr(commandLine, kHungSwitch) != nullptr) {
        StayHung();
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
