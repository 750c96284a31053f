// The windows of one stand-in taskbar: the plain clock (the classic clock and
// a secondary's "ClockButton"), the content bridges, and each layout's tree.
#pragma once

#include "taskbar/StandInTaskbar.h"

#include <windows.h>

#include <memory>

// A clock showing the plain time "HH:MM:SS" as its window text, with a
// right-click menu of its own whose close item closes the primary taskbar.
// Counts the settings records it is sent (kSettingsRecordsMessage).
class PlainClock {
public:
    explicit PlainClock(HWND primary)
        : primary_(primary), settingsRecordsMessage_(RegisterWindowMessageA(kSettingsRecordsMessage))
    {
    }
    PlainClock(const PlainClock&) = delete;
    PlainClock& operator=(const PlainClock&) = delete;

    bool Create(HINSTANCE instance, const char* windowClass, HWND parent, const RECT& place, bool shown);
    HWND Window() const { return window_; }
    // Whether the clock still runs its own window procedure.
    bool RunsOwnProcedure() const;
    // Puts a pass-through procedure on top of whatever the clock runs now,
    // as another shell extension would; false when one is there already.
    bool SubclassOnTop();

    static const WNDPROC Procedure;

private:
    static LRESULT CALLBACK OtherExtensionProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void ShowMenu(LPARAM lParam);
    void ShowTime();
    void Paint();

    HWND window_ = nullptr;
    HWND primary_;
    WNDPROC procUnderOtherExtension_ = nullptr;
    const UINT settingsRecordsMessage_;
    LRESULT settingsRecords_ = 0;
};

struct TaskbarOptions {
    TaskbarLayout layout = TaskbarLayout::Classic;
    StandInEdge edge = StandInEdge::Bottom;
    StandInTheme theme = StandInTheme::System;
    int monitors = 1;
    int dpi = 0;           // asked for with --dpi (0: any); then the system's
    bool withClock = true; // the primary's classic clock
    bool clockShown = true;
};

// One taskbar window and its plain clock, if it has one.
struct Taskbar {
    HWND window = nullptr;
    std::unique_ptr<PlainClock> clock;
};

// The stand-in's own full-screen program, in kFullScreenColour.
constexpr char kFullScreenClass[] = "HoralumeStandInFullScreen";

// Registers every window class once, the taskbars' with the background given;
// the primary taskbar runs primaryProc.
void RegisterTaskbarClasses(HINSTANCE instance, WNDPROC primaryProc, HBRUSH background);

// Creates the taskbar window of the given index (0: the primary, bound to
// primaryObject) on its monitor slot, with the layout's children, and shows
// it. The taskbar's window is null when it could not be created.
Taskbar CreateTaskbar(HINSTANCE instance, const TaskbarOptions& options, int index, HWND primary, void* primaryObject);

// Puts the taskbar of that index along the options' edge and lays its
// children out for it, as a shell does when the bar is dragged to another
// edge (no window is created).
void MoveTaskbar(const Taskbar& taskbar, const TaskbarOptions& options, int index);
// The taskbar's clock bridge grows by the pixels (at 96 DPI) at its near end
// and rises above its siblings, as the shell's does when the tray gains icons.
void GrowClockBridge(HWND taskbar, int pixels);
