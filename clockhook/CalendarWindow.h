// The clock's calendar: a small window with a month calendar, opened near
// the clock. One at a time; asking again brings the open one forward.
#pragma once

#include "clockhook/model/CalendarMonth.h"
#include "hookapi/ClockSettings.h"
#include "win32/Win32Handles.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdint>

// Window class and caption, so that tests and users can find it.
constexpr char kCalendarWindowClass[] = "HoralumeCalendar";
constexpr char kCalendarCaption[] = "Calendar";

class CalendarWindow {
public:
    void Show(HWND clock, const ClockSettings& settings);
    // Closes the window and forgets everything kept for the session.
    void Close();

    // A new settings record: an open calendar takes its options at once, and a
    // new remembered month from Horalume replaces the one kept here.
    void OnSettingsChanged(const ClockSettings& settings);
    // The taskbar's theme changed: an open calendar takes its colours.
    void OnLookChanged();

private:
    bool RegisterWindowClass();
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnDestroy();
    void FillDayStates(CalendarMonth first, int count, MONTHDAYSTATE* states) const;
    void SetDayStates();
    void ApplyFont();
    void FitWindow();
    void ApplyThemeColours();
    void ApplyOptions();
    void PlaceWindow(HWND clock);
    void ShowStartMonth();
    void RememberShownMonth();

    HWND window_ = nullptr;
    HWND monthCalendar_ = nullptr;
    UniqueFont font_;
    ATOM windowClass_ = 0;
    ClockSettings settings_; // the options the open window shows
    // The month shown when the calendar last closed, kept for the shell's
    // session and written to "LastDate"; and the LastDate of the last
    // record, to tell Horalume's own changes from its repeats.
    CalendarMonth rememberedMonth_;
    bool haveRememberedMonth_ = false;
    bool haveRecord_ = false;
    std::int32_t lastRecordDate_ = 0;
    POINT savedPosition_ = {0, 0};
    bool haveSavedPosition_ = false;
};
