// Test kit around the stand-in taskbar: start and stop it, load the clock
// component into it the way the loader does, and talk to the clock as the
// programs do (DDE pokes, WM_COPYDATA, window text). Every wait has a time-out.
#pragma once

#include "hookapi/ClockSettings.h"
#include "taskbar/StandInTaskbar.h"
#include "win32/Win32Handles.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace testkit {

enum class ClockMode { Shown, Hidden, None };

// How the stand-in taskbar starts: its layout, how many monitors it splits
// the screen into (1 to 4, a taskbar on each), its primary's classic clock,
// the edge its taskbars lie along, the theme it writes and paints in, and
// the session's DPI (0: as it is), which Start sets for processes started
// from then on and Stop puts back.
struct StandInOptions {
    ClockMode clock = ClockMode::Shown;
    TaskbarLayout layout = TaskbarLayout::Classic;
    int monitors = 1;
    StandInEdge edge = StandInEdge::Bottom;
    StandInTheme theme = StandInTheme::System;
    int dpi = 0;
};

// The session's DPI as Wine gives it to each process at its start. Set
// remembers the value it replaces (the first time); Restore puts it back.
class SessionDpi {
public:
    SessionDpi() = default;
    SessionDpi(const SessionDpi&) = delete;
    SessionDpi& operator=(const SessionDpi&) = delete;
    ~SessionDpi() { Restore(); }

    bool Set(int dpi);
    void Restore();

private:
    bool replaced_ = false;
    bool hadValue_ = false;
    DWORD old_ = 0;
};

// The stand-in taskbar as a child process. Ends it (and anything it started)
// on Stop or destruction, so a failing test leaves nothing running.
class StandInTaskbar {
public:
    StandInTaskbar() = default;
    StandInTaskbar(const StandInTaskbar&) = delete;
    StandInTaskbar& operator=(const StandInTaskbar&) = delete;
    ~StandInTaskbar() { Stop(); }

    // Starts it and waits until every taskbar exists with its clock window
    // or the bridge that holds its clock.
    bool Start(ClockMode mode = ClockMode::Shown, DWORD timeoutMs = 10000);
    bool Start(const StandInOptions& options, DWORD timeoutMs = 10000);

    // Asks it to close, then ends whatever is left. Returns whether it
    // closed on its own.
    bool Stop(DWORD timeoutMs = 5000);

    bool IsRunning() const;
    DWORD ProcessId() const { return processId_; }
    HANDLE Process() const { return process_.Get(); }
    // The primary taskbar and its classic clock (null without one), as of
    // the last Start or Restart.
    HWND TrayWindow() const { return tray_; }
    HWND ClockWindow() const { return clock_; }

    // Its taskbars as they are now, the primary first.
    std::vector<HWND> Taskbars() const;
    // Adds a secondary taskbar of the layout; its window, or null.
    HWND AddTaskbar() const;
    // Removes the last secondary taskbar; false when there is none.
    bool RemoveTaskbar() const;
    // Has it destroy and re-create every taskbar, as a restarted shell does
    // (it then broadcasts "TaskbarCreated"); waits until they all exist
    // again under new windows.
    bool Restart(DWORD timeoutMs = 10000);

    // Whether the clock runs its own window procedure (nothing subclassed it).
    bool ClockProcedureIsOriginal() const;
    // Puts another extension's pass-through procedure on top of the clock's.
    bool SubclassClockOnTop() const;

    // Switches to the dark or light theme as the system does: the value written, the taskbars
    // repainted and WM_SETTINGCHANGE "ImmersiveColorSet" sent to every
    // top-level window (this thread's ones included) before it returns.
    bool SetTheme(StandInTheme theme) const;
    // Auto-hides the primary taskbar (it is then hidden) or shows it again.
    bool SetAutoHide(bool on) const;
    // Opens the stand-in's full-screen window (kFullScreenColour) over the
    // primary monitor, the primary taskbar behind it, or closes it.
    bool ShowFullScreenWindow(bool shown) const;
    // Moves every taskbar to the edge, as a user dragging the bar does; no
    // window is created, so no window event comes under Wine.
    bool MoveTaskbars(StandInEdge edge) const;
    // Grows the last taskbar's clock bridge at its near end by the pixels
    // (at 96 DPI) and raises it above its siblings.
    bool GrowClockBridge(int pixels) const;
    // Sets an item of the clock's neighbourhood in every clock bridge.
    bool SetTrayItem(TrayItem item, int value);
    // The screen rectangle of the element of the taskbar's clock bridge of
    // that class (and AutomationId, unless null), as the stand-in lays it
    // out for the items set since Start; empty without one.
    RECT TrayElementRect(HWND taskbar, const char* className, const char* automationId = nullptr) const;

private:
    bool WaitUntilBuilt(size_t count, HWND oldPrimary, DWORD timeoutMs);

    UniqueHandle job_;
    UniqueHandle process_;
    DWORD processId_ = 0;
    DWORD thread_ = 0; // the stand-in's one UI thread
    HWND tray_ = nullptr;
    HWND clock_ = nullptr;
    SessionDpi dpi_;
    TrayState trayState_;
};

// Whether any pixel of the screen's rectangle has the colour.
bool ScreenHasColour(const RECT& area, COLORREF colour);

// Whether the fake system clock of a Windows 11 layout can be seen on the
// screen over the taskbar's clock bridge (false without a bridge).
bool SystemClockShowsThrough(HWND taskbar);

// The screen rectangle of the window that shows the taskbar's clock (see
// SurfaceText); empty without one.
RECT ScreenRectOfSurface(HWND taskbar);
// The screen rectangle of the component's open calendar; nothing when none
// is open.
std::optional<RECT> CalendarRect();

// The text of the window that shows the taskbar's clock (the component's
// overlay, or the shell's clock); empty without one.
std::string SurfaceText(HWND taskbar);

// The first taskbar that has a clock, found as the loader finds it.
HWND FindClockWindow();

// The loader's hand-shake with the library at dllPath: hook on the thread of
// the classic clock (without one, of the first "Shell_TrayWnd"),
// WM_WININICHANGE to that taskbar, wait for "HoralumeHookComplete", 100 ms,
// unhook, free. Returns whether the event came in time.
bool InstallClockComponent(const std::string& dllPath, DWORD timeoutMs = 10000);
bool RemoveClockComponent(const std::string& dllPath, DWORD timeoutMs = 10000);

// Whether the mutex "HoralumeDllInstalled" exists.
bool IsComponentInstalled();

// Checks the condition every 20 ms, dispatching this thread's messages in
// between, until it holds or the time is up; returns whether it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);
// Dispatches this thread's messages for the given time.
void PumpMessagesFor(DWORD milliseconds);

// The clock's window text (WM_GETTEXT); empty without a clock.
std::string ClockText();
// Polls the clock's text until it satisfies the test or contains the text.
bool WaitForClockText(const std::function<bool(const std::string&)>& accept, DWORD timeoutMs = 5000,
                      std::string* last = nullptr);
bool WaitForClockText(const std::string& contained, DWORD timeoutMs = 5000, std::string* last = nullptr);

// DDE client of service "Horalume", topic "UserElement". PokeElement sends
// the value with its NUL in CF_TEXT; PokeData sends exactly the given bytes
// in the given format. Both return the client's result (under Wine a
// refused poke still reports success: read the value back).
bool PokeElement(const std::string& name, const std::string& value);
bool PokeData(const std::string& name, const void* data, DWORD size, UINT format = CF_TEXT);
// The element's value in CF_TEXT, or nothing when the request failed.
std::optional<std::string> RequestElement(const std::string& name);

// Sends the record to the clock as Horalume does; returns the clock's answer.
bool PushSettings(const ClockSettings& settings);
// Sends any WM_COPYDATA to the clock; returns its answer.
LRESULT SendCopyData(ULONG_PTR dwData, const void* data, DWORD size);

// A top-level window of the class that belongs to the process, or null.
HWND FindProcessWindow(const char* className, DWORD processId);
// Waits for a visible one.
HWND WaitForProcessWindow(const char* className, DWORD processId, DWORD timeoutMs = 5000);

// Posts a left click (button down and up) or a double click (down, up,
// double click, up) to the clock, as the system delivers them.
void ClickClock();
void DoubleClickClock();
// Posts a right click (button down and up) to the clock.
void RightClickClock();

// The clipboard's CF_TEXT, or nothing when it holds none; SetClipboardText
// replaces the clipboard's contents.
std::optional<std::string> ClipboardText();
bool SetClipboardText(const std::string& text);
bool WaitForClipboardText(const std::string& expected, DWORD timeoutMs = 3000, std::string* last = nullptr);

// The items of the stand-in taskbar's popup menu that is open on the screen:
// their texts in order, "-" for a separator and "[owner-drawn #id]" for an
// owner-drawn item; nothing when no menu is open.
std::optional<std::vector<std::string>> OpenMenuItems(DWORD timeoutMs = 3000);
// Presses keys in the open menu; returns whether a menu was open.
bool PressMenuKeys(const std::vector<WORD>& keys);
// Waits until no popup menu is open.
bool WaitForMenuClosed(DWORD timeoutMs = 3000);
// Right-clicks the clock and chooses the item with this text from its menu
// with the keyboard, as a user would; false when no menu opened or it had no
// such item (the menu is then closed).
bool ChooseClockMenuItem(const std::string& text);

} // namespace testkit
