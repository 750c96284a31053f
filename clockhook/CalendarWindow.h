// The clock's calendar: a small window with a month calendar, opened near
// the clock. One at a time; asking again brings the open one forward.
#pragma once

#include "hookapi/ClockSettings.h"

#include <windows.h>

// Window class and caption, so that tests and users can find it.
constexpr char kCalendarWindowClass[] = "HoralumeCalendar";
constexpr char kCalendarCaption[] = "Calendar";

void ShowCalendar(HWND clock, const ClockSettings& settings);
void CloseCalendar();

// A new settings record: an open calendar takes its options at once, and a
// new remembered month from Horalume replaces the one kept here.
void OnCalendarSettingsChanged(const ClockSettings& settings);
// The taskbar's theme changed: an open calendar takes its colours.
void OnCalendarLookChanged();
