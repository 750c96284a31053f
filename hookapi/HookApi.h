// Names shared by the programs and the clock component. Their exact form is
// part of the contract: other processes look them up by these names.
#pragma once

namespace hookapi {

// User-element link (DDE).
constexpr char kServiceName[] = "Horalume";
constexpr char kTopicName[] = "UserElement";
constexpr unsigned kPokeTimeoutMs = 1000;

// Installation hand-shake.
constexpr char kLibraryName[] = "HORALUME.DLL";
constexpr char kHookProcName[] = "HoralumeHookProc";
constexpr char kUnhookProcName[] = "HoralumeUnhookProc";
constexpr char kHookCompleteEvent[] = "HoralumeHookComplete";
constexpr char kInstalledMutex[] = "HoralumeDllInstalled";

// The shell's taskbar windows.
constexpr char kTrayWindowClass[] = "Shell_TrayWnd";
constexpr char kNotifyWindowClass[] = "TrayNotifyWnd";
constexpr char kClockWindowClass[] = "TrayClockWClass";

// WM_COPYDATA carrying a ClockSettings record uses this dwData.
constexpr unsigned long kSettingsCopyDataId = 0;

} // namespace hookapi
