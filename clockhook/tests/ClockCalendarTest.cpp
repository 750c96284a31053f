// The clock's calendar, opened by a click as a user would: where it opens,
// the options it shows and follows, closing and the remembered month.
#include "clockhook/tests/ClockFeaturesFixture.h"

#include <commctrl.h>

using namespace testkit;

namespace {

TEST_F(ClockFeatures, CalendarOpensAboveTheClockWithItsOptions)
{
    ClockSettings settings = Settings(ClockCommand::Calendar, ClockCommand::DoNothing);
    settings.calendarFlags = CalendarFlag::TopMost | CalendarFlag::WeekNumbers;
    settings.firstDay = 1;
    ASSERT_TRUE(PushSettings(settings));
    ClickClock();
    HWND calendar = Calendar();
    ASSERT_NE(calendar, nullptr);
    char caption[32] = "";
    GetWindowTextA(calendar, caption, sizeof caption);
    EXPECT_STREQ(caption, "Calendar");
    EXPECT_TRUE(GetWindowLongPtrA(calendar, GWL_EXSTYLE) & WS_EX_TOPMOST);
    HWND month = FindWindowExA(calendar, nullptr, MONTHCAL_CLASSA, nullptr);
    ASSERT_NE(month, nullptr);
    LONG_PTR style = GetWindowLongPtrA(month, GWL_STYLE);
    EXPECT_TRUE(style & MCS_WEEKNUMBERS);
    EXPECT_TRUE(style & MCS_DAYSTATE);
    EXPECT_EQ(LOWORD(SendMessageA(month, MCM_GETFIRSTDAYOFWEEK, 0, 0)), 0) << "Monday";

    RECT calendarRect, clockRect;
    GetWindowRect(calendar, &calendarRect);
    GetWindowRect(FindClockWindow(), &clockRect);
    EXPECT_LE(calendarRect.bottom, clockRect.top) << "above the clock";
    EXPECT_EQ(calendarRect.right, clockRect.right) << "right edges together";

    // The open calendar follows new settings at once.
    settings.calendarFlags = 0;
    settings.firstDay = 0;
    ASSERT_TRUE(PushSettings(settings));
    EXPECT_FALSE(GetWindowLongPtrA(calendar, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(GetWindowLongPtrA(month, GWL_STYLE) & MCS_WEEKNUMBERS);
    EXPECT_EQ(LOWORD(SendMessageA(month, MCM_GETFIRSTDAYOFWEEK, 0, 0)), 6) << "Sunday";

    // Asking again brings the same window forward.
    ClickClock();
    Sleep(GetDoubleClickTime() + 300);
    EXPECT_EQ(FindProcessWindow(kCalendarWindowClass, taskbar_.ProcessId()), calendar);
    EXPECT_TRUE(Close(calendar));
}

bool WaitForForeground(HWND window)
{
    return WaitUntil([window] { return GetForegroundWindow() == window; }, 10000);
}

// Another window comes to the front, as a user's click elsewhere brings it.
// Under Wine a late focus event of the calendar can take the foreground back
// from a switch made just after it showed, so the switch is made again
// until it holds.
bool BringForward(HWND window)
{
    return WaitUntil(
        [window] {
            SetForegroundWindow(window);
            return GetForegroundWindow() == window;
        },
        10000);
}

TEST_F(ClockFeatures, CalendarClosesWhenNoLongerActiveOnlyWithAutoClose)
{
    ClockSettings settings = Settings(ClockCommand::Calendar, ClockCommand::DoNothing);
    settings.calendarFlags = 0;
    ASSERT_TRUE(PushSettings(settings));
    HWND other =
        CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(other, nullptr);
    ClickClock();
    HWND calendar = Calendar();
    ASSERT_NE(calendar, nullptr);
    ASSERT_TRUE(WaitForForeground(calendar));
    ASSERT_TRUE(BringForward(other));
    Sleep(500);
    EXPECT_TRUE(IsWindow(calendar)) << "stays without AutoClose";
    ASSERT_TRUE(Close(calendar));

    settings.calendarFlags = CalendarFlag::AutoClose;
    ASSERT_TRUE(PushSettings(settings));
    ClickClock();
    calendar = Calendar();
    ASSERT_NE(calendar, nullptr);
    // It shows before it takes the foreground: only then can it lose it.
    ASSERT_TRUE(WaitForForeground(calendar));
    BringForward(other);
    EXPECT_TRUE(CalendarGone()) << "closes with AutoClose";
    DestroyWindow(other);
}

TEST_F(ClockFeatures, CalendarRemembersTheMonthInLastDate)
{
    ClockSettings settings = Settings(ClockCommand::Calendar, ClockCommand::DoNothing);
    settings.calendarFlags = CalendarFlag::RememberMonth;
    settings.lastDate = 203002; // February 2030
    ASSERT_TRUE(PushSettings(settings));
    ASSERT_TRUE(GlanceAtCalendar());
    EXPECT_EQ(ReadLastDate(), 203002u) << "opened on the remembered month and stored it on closing";

    // Without RememberMonth it opens on today and stores nothing.
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kCalendarKey, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    DWORD unset = 0xFFFFFFFF;
    RegSetValueExA(key, "LastDate", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&unset), sizeof unset);
    RegCloseKey(key);
    settings.calendarFlags = 0;
    settings.lastDate = -1;
    ASSERT_TRUE(PushSettings(settings));
    ASSERT_TRUE(GlanceAtCalendar());
    EXPECT_EQ(ReadLastDate(), 0xFFFFFFFFu);

    // A record that repeats the old LastDate (a sheet opened before) does
    // not undo the month the calendar remembered since.
    settings.calendarFlags = CalendarFlag::RememberMonth;
    settings.lastDate = 203002;
    ASSERT_TRUE(PushSettings(settings));
    ClickClock();
    HWND calendar = Calendar();
    ASSERT_NE(calendar, nullptr);
    HWND month = FindWindowExA(calendar, nullptr, MONTHCAL_CLASSA, nullptr);
    // One month on with the arrow at the right end of the title; handled
    // before the close posted after it.
    RECT area;
    GetClientRect(month, &area);
    LPARAM nextArrow = MAKELPARAM(area.right - 12, 12);
    PostMessageA(month, WM_LBUTTONDOWN, MK_LBUTTON, nextArrow);
    PostMessageA(month, WM_LBUTTONUP, 0, nextArrow);
    ASSERT_TRUE(Close(calendar));
    ASSERT_EQ(ReadLastDate(), 203003u) << "the month browsed to";
    ASSERT_TRUE(PushSettings(settings));
    ASSERT_TRUE(GlanceAtCalendar());
    EXPECT_EQ(ReadLastDate(), 203003u);
}

} // namespace
