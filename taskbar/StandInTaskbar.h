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

// The plain clock's own right-click menu items.
constexpr char kAdjustMenuText[] = "&Adjust Date/Time";
constexpr char kCloseMenuText[] = "Close &Taskbar";

// Sent to the stand-in's "Shell_TrayWnd" while one of its popup menus is
// open: answers a global atom holding the menu's items, one a line ("-" for
// a separator, "[owner-drawn #id]" for an owner-drawn item), which the
// caller deletes; 0 when no menu is open. Menus cannot be read from
// another process under Wine.
constexpr char kOpenMenuItemsMessage[] = "HoralumeStandInOpenMenuItems";
