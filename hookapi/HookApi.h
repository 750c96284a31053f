// Names shared by the programs and the clock component. Their exact form is
// part of the contract: other processes look them up by these names.
#pragma once

namespace hookapi {

// User-element link (DDE).
constexpr char kServiceName[] = "Horalume";
constexpr char kTopicName[] = "UserElement";
constexpr unsigned kPokeTimeoutMs = 1000;

// Installation hand-shake.
constexpr wchar_t kLibraryName[] = L"HORALUME.DLL";
constexpr char kHookProcName[] = "HoralumeHookProc";
constexpr char kUnhookProcName[] = "HoralumeUnhookProc";
constexpr char kHookCompleteEvent[] = "HoralumeHookComplete";
constexpr char kInstalledMutex[] = "HoralumeDllInstalled";

// The shell's taskbar windows.
constexpr char kTrayWindowClass[] = "Shell_TrayWnd";
constexpr char kNotifyWindowClass[] = "TrayNotifyWnd";
constexpr char kClockWindowClass[] = "TrayClockWClass";
// A secondary taskbar, and the clock it has on Windows 10 from version 1607.
constexpr char kSecondaryTrayWindowClass[] = "Shell_SecondaryTrayWnd";
constexpr char kClockButtonClass[] = "ClockButton";
// The host of Windows 11's taskbar content, its clock included.
constexpr char kContentBridgeClass[] = "Windows.UI.Composition.DesktopWindowContentBridge";
// The component's own clock: a child of a taskbar whose clock is no window
// of its own.
constexpr char kOverlayClockClass[] = "HoralumeOverlayClock";

// WM_COPYDATA carrying a ClockSettings record uses this dwData.
constexpr unsigned long kSettingsCopyDataId = 0;

} // namespace hookapi
