// What the stand-in taskbar and its test kit agree on.
#pragma once

// Sent to the stand-in's "Shell_TrayWnd": answers 1 when its clock still runs
// its own window procedure, 0 when another one is on top of it.
constexpr char kClockProcIntactMessage[] = "HoralumeStandInClockProcIntact";

// Sent to the stand-in's "Shell_TrayWnd": puts a pass-through window
// procedure on top of whatever its clock runs now, as another shell
// extension would; answers 1, or 0 without a clock.
constexpr char kSubclassClockMessage[] = "HoralumeStandInSubclassClock";

constexpr char kNoClockSwitch[] = "/noclock";
constexpr char kHiddenClockSwitch[] = "/hiddenclock";
// "/hung": once its taskbars are built, the stand-in's thread never takes
// another message, as a shell whose thread is stuck.
constexpr char kHungSwitch[] = "/hung";

// Sent to a plain clock: answers how many settings records (WM_COPYDATA of
// a ClockSettings) reached its own window procedure, so a test sees what a
// loader pushed where no component takes it.
constexpr char kSettingsRecordsMessage[] = "HoralumeStandInSettingsRecords";

// The plain clock's own right-click menu items.
constexpr char kAdjustMenuText[] = "&Adjust Date/Time";
constexpr char kCloseMenuText[] = "Close &Taskbar";

// Sent to the stand-in's "Shell_TrayWnd" while one of its popup menus is
// open: answers a global atom holding the menu's items, one a line ("-" for
// a separator, "[owner-drawn #id]" for an owner-drawn item), which the
// caller deletes; 0 when no menu is open. Menus cannot be read from
// another process under Wine.
constexpr char kOpenMenuItemsMessage[] = "HoralumeStandInOpenMenuItems";

// Which shell's taskbars to model: "--layout classic|win10|win11-early|win11".
// Classic: the primary has the classic clock, secondaries have none. Win10:
// secondaries have a "ClockButton". Win11Early: the primary's clock is a
// content bridge in its notification area; Win11: a bridge filling the
// taskbar. Windows 11 secondaries hold a task-list bridge and, rightmost,
// the clock's bridge.
enum class TaskbarLayout { Classic, Win10, Win11Early, Win11 };
constexpr const char* kLayoutNames[] = {"classic", "win10", "win11-early", "win11"};
constexpr char kLayoutSwitch[] = "--layout";
// "--monitors N" (1..4): the screen is split into N side by side, each with
// a taskbar along its bottom; the first is the primary.
constexpr char kMonitorsSwitch[] = "--monitors";
constexpr int kMaxMonitors = 4;

// A Windows 11 clock bridge paints the system's clock as "HH:MM" on this
// colour, so a test can see whether it shows through.
constexpr unsigned long kFakeSystemClockColour = 0x00FF00FF; // RGB(255, 0, 255)

// Sent to the primary "Shell_TrayWnd": adds a secondary taskbar of the
// layout on the next monitor slot; answers its window.
constexpr char kAddTaskbarMessage[] = "HoralumeStandInAddTaskbar";
// Sent to the primary: removes the last secondary taskbar; answers 1, or 0
// when there is none.
constexpr char kRemoveTaskbarMessage[] = "HoralumeStandInRemoveTaskbar";
// Sent to the primary: answers 1, then destroys every taskbar, creates as
// many anew and broadcasts "TaskbarCreated", as a restarted shell does.
constexpr char kRestartMessage[] = "HoralumeStandInRestart";

// "--edge bottom|top|left|right": the edge of its monitor each taskbar lies
// along. A vertical taskbar keeps its notification area and clock at its
// bottom end.
enum class StandInEdge { Bottom, Top, Left, Right };
constexpr const char* kEdgeNames[] = {"bottom", "top", "left", "right"};
constexpr char kEdgeSwitch[] = "--edge";

// "--dpi N": the DPI the caller set up for the session before starting the
// stand-in. Wine reads it once per process, at start, from the value below
// (HKEY_CURRENT_CONFIG\Software\Fonts "LogPixels" only where this one is
// absent). The stand-in scales its measures by the DPI it really has and
// exits with kWrongDpiExitCode when that is not N, so nobody runs at the
// wrong DPI unknowingly.
constexpr char kDpiSwitch[] = "--dpi";
constexpr char kDpiKey[] = "Control Panel\\Desktop"; // under HKEY_CURRENT_USER
constexpr char kDpiValue[] = "LogPixels";
constexpr int kWrongDpiExitCode = 3;

// "--theme dark|light": the system's app theme, written at start (no switch:
// the value is deleted and the taskbars keep the system's button face).
enum class StandInTheme { System, Dark, Light };
constexpr char kThemeSwitch[] = "--theme";
constexpr const char* kThemeNames[] = {"system", "dark", "light"};
constexpr char kThemeKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize"; // HKCU
constexpr char kLightThemeValue[] = "SystemUsesLightTheme";
constexpr unsigned long kDarkTaskbarColour = 0x00202020;  // RGB(32, 32, 32)
constexpr unsigned long kLightTaskbarColour = 0x00F3F3F3; // RGB(243, 243, 243)

// Sent to the primary, wParam 0 (dark) or 1 (light): writes the theme,
// repaints every taskbar, then broadcasts WM_SETTINGCHANGE "ImmersiveColorSet"
// as the system does, before it answers 1.
constexpr char kSetThemeMessage[] = "HoralumeStandInSetTheme";
// Sent to the primary, wParam 1 or 0: turns its auto-hide on (the primary is
// hidden, as an auto-hidden taskbar is off the screen) or off; answers 1.
constexpr char kSetAutoHideMessage[] = "HoralumeStandInSetAutoHide";
// Sent to the primary, wParam 1 or 0: opens a full-screen window of its own
// over the primary monitor, in the colour below, brought to the foreground
// with the primary taskbar put behind it (no longer topmost), or closes it
// and makes the taskbar topmost again. Answers the window (1 on closing).
constexpr char kFullScreenMessage[] = "HoralumeStandInFullScreen";
constexpr unsigned long kFullScreenColour = 0x0044AA11; // RGB(17, 170, 68)
// Sent to the primary, wParam a StandInEdge: every taskbar moves to that
// edge, its children laid out anew without any window created; answers 1.
constexpr char kMoveTaskbarsMessage[] = "HoralumeStandInMoveTaskbars";
// Sent to the primary, wParam pixels at 96 DPI: the last taskbar's clock
// bridge grows by them at its near end and is raised above its siblings;
// answers 1.
constexpr char kGrowClockBridgeMessage[] = "HoralumeStandInGrowClockBridge";

// The clock's neighbourhood inside every Windows 11 clock bridge, exposed as
// elements (class name, AutomationId, rectangle) to accessibility clients.
// Sent to the primary: wParam the item, lParam its value; every clock bridge
// is laid out and painted anew before it answers 1.
constexpr char kSetTrayItemMessage[] = "HoralumeStandInSetTrayItem";
enum class TrayItem {
    Badge,        // 0: the bell, 1: "1", 2: "99+"
    Moon,         // 0 or 1, the focus moon
    Copilot,      // 0 or 1
    Seconds,      // 0 or 1: the clock shows seconds and is wider
    LeftAligned,  // 0 or 1: the Widgets button stands next to the tray
    EmptyLooks,   // 1: the content shows no element, as while it moves
    HangingLooks, // 1: every look is answered only after 10 s (the taskbar stays responsive)
};
constexpr int kTrayItemCount = 7;
// The state of the clock's neighbourhood, each item's value.
struct TrayState {
    int values[kTrayItemCount] = {};
    int Of(TrayItem item) const { return values[static_cast<int>(item)]; }
};
// The neighbours are painted in this colour, the clock in kFakeSystemClockColour.
constexpr unsigned long kFakeNeighbourColour = 0x00FFFF00; // RGB(0, 255, 255)
