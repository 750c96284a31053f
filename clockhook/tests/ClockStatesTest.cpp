// The clock in each state of its taskbar: along every edge, in a dark or a
// light theme, at several DPIs, auto-hidden and under a full-screen program.
#include "hookapi/ClockDefaults.h"
#include "taskbar/testing/TaskbarTestKit.h"
#include "win32/TaskbarClock.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace testkit;

namespace {

const std::string kComponent = HORALUME_DLL_PATH;
const COLORREF kDark = RGB(32, 32, 32);
const COLORREF kLight = RGB(243, 243, 243);

ClockSettings SettingsWithFormat(const char* format)
{
    ClockSettings settings = DefaultClockSettings();
    std::strncpy(settings.clockFormatString, format, sizeof settings.clockFormatString - 1);
    return settings;
}

bool Inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom && inner.right > inner.left && inner.bottom > inner.top;
}

std::string Describe(const RECT& rect)
{
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + " - " + std::to_string(rect.right) + "," +
           std::to_string(rect.bottom);
}

// The stand-in as asked, with the component installed showing the settings.
void ShowClock(StandInTaskbar& taskbar, const StandInOptions& options, const ClockSettings& settings)
{
    ASSERT_TRUE(taskbar.Start(options));
    ASSERT_TRUE(InstallClockComponent(kComponent));
    ASSERT_TRUE(PushSettings(settings));
}

// A Windows 11 taskbar in the dark theme, its clock showing the time.
void ShowTimeOnDarkWindows11(StandInTaskbar& taskbar)
{
    StandInOptions options;
    options.layout = TaskbarLayout::Win11;
    options.theme = StandInTheme::Dark;
    ShowClock(taskbar, options, SettingsWithFormat("HH:mm:ss"));
}

TEST(ClockStates, AlongEveryEdgeTheClockStaysInItsTaskbarAndTheCalendarOpensOntoTheScreen)
{
    const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    ClockSettings settings = SettingsWithFormat("HH:mm:ss|'a second line, too wide for a vertical bar'");
    settings.clickCommand = ClockCommand::Calendar;
    for (StandInEdge edge : {StandInEdge::Bottom, StandInEdge::Top, StandInEdge::Left, StandInEdge::Right}) {
        for (TaskbarLayout layout : {TaskbarLayout::Win10, TaskbarLayout::Win11}) {
            SCOPED_TRACE(std::string(kEdgeNames[static_cast<int>(edge)]) + " " +
                         kLayoutNames[static_cast<int>(layout)]);
            StandInTaskbar taskbar;
            StandInOptions options;
            options.layout = layout;
            options.edge = edge;
            ASSERT_NO_FATAL_FAILURE(ShowClock(taskbar, options, settings));
            HWND primary = taskbar.Taskbars().at(0);
            RECT bar;
            GetWindowRect(primary, &bar);
            const RECT clock = ScreenRectOfSurface(primary);
            EXPECT_TRUE(Inside(clock, bar)) << Describe(clock) << " outside " << Describe(bar);

            ClickClock();
            std::optional<RECT> calendar;
            ASSERT_TRUE(WaitUntil([&] { return (calendar = CalendarRect()).has_value(); }));
            RECT overlap;
            EXPECT_TRUE(Inside(*calendar, screen)) << Describe(*calendar);
            EXPECT_FALSE(IntersectRect(&overlap, &*calendar, &bar)) << Describe(*calendar) << " over the taskbar";
            RemoveClockComponent(kComponent);
        }
    }
}

TEST(ClockStates, ColoursFollowTheTaskbarThemeAtOnce)
{
    StandInTaskbar taskbar;
    ASSERT_NO_FATAL_FAILURE(ShowTimeOnDarkWindows11(taskbar));
    const RECT clock = ScreenRectOfSurface(taskbar.Taskbars().at(0));
    EXPECT_TRUE(WaitUntil([&] { return ScreenHasColour(clock, kDark) && ScreenHasColour(clock, RGB(255, 255, 255)); }))
        << "white on the dark taskbar's colour";

    ASSERT_TRUE(taskbar.SetTheme(StandInTheme::Light));
    EXPECT_TRUE(WaitUntil([&] { return ScreenHasColour(clock, kLight) && !ScreenHasColour(clock, kDark); }))
        << "the light taskbar's colour";
    EXPECT_TRUE(ScreenHasColour(clock, RGB(0, 0, 0))) << "black text";
    RemoveClockComponent(kComponent);
}

// The overlay is as wide as its text in the default font, margins included.
TEST(ClockStates, DefaultFontGrowsWithTheDpi)
{
    int widthAt96 = 0;
    for (int dpi : {96, 144, 192}) {
        SCOPED_TRACE(dpi);
        StandInTaskbar taskbar;
        StandInOptions options;
        options.layout = TaskbarLayout::Win11;
        options.dpi = dpi;
        ASSERT_NO_FATAL_FAILURE(ShowClock(taskbar, options, SettingsWithFormat("'HHHHHHHHHHHHHHHHHHHH'")));
        const RECT clock = ScreenRectOfSurface(taskbar.Taskbars().at(0));
        const int width = clock.right - clock.left;
        if (dpi == 96) {
            widthAt96 = width;
        } else {
            EXPECT_NEAR(static_cast<double>(width) / widthAt96, dpi / 96.0, 0.2) << width << " against " << widthAt96;
        }
        RemoveClockComponent(kComponent);
    }
}

TEST(ClockStates, OverlayGoesWithItsAutoHiddenTaskbarAndUnderAFullScreenProgram)
{
    StandInTaskbar taskbar;
    ASSERT_NO_FATAL_FAILURE(ShowTimeOnDarkWindows11(taskbar));
    HWND primary = taskbar.Taskbars().at(0);
    HWND overlay = ClockSurfaceOfTaskbar(primary);
    const RECT clock = ScreenRectOfSurface(primary);
    ASSERT_TRUE(WaitUntil([&] { return ScreenHasColour(clock, kDark); }));

    ASSERT_TRUE(taskbar.SetAutoHide(true));
    EXPECT_FALSE(IsWindowVisible(overlay));
    EXPECT_TRUE(WaitUntil([&] { return !ScreenHasColour(clock, kDark); })) << "the clock stayed on the screen";
    ASSERT_TRUE(taskbar.SetAutoHide(false));
    EXPECT_TRUE(WaitUntil([&] { return ScreenHasColour(clock, kDark); })) << "the clock came not back";

    ASSERT_TRUE(taskbar.ShowFullScreenWindow(true));
    EXPECT_TRUE(WaitUntil([&] { return ScreenHasColour(clock, kFullScreenColour) && !ScreenHasColour(clock, kDark); }))
        << "the clock shows over the full-screen program";
    RemoveClockComponent(kComponent);
}

// Under Wine no window event tells of either change: the wake does.
TEST(ClockStates, SurfacesFollowTheirTaskbarAtTheNextWake)
{
    StandInOptions options;
    options.layout = TaskbarLayout::Win11;
    options.monitors = 2;
    {
        StandInTaskbar taskbar;
        ASSERT_NO_FATAL_FAILURE(ShowClock(taskbar, options, SettingsWithFormat("HH:mm:ss")));
        HWND secondary = taskbar.Taskbars().at(1);
        ASSERT_TRUE(WaitUntil([&] { return !SystemClockShowsThrough(secondary); }));
        ASSERT_TRUE(taskbar.GrowClockBridge(80));
        EXPECT_TRUE(WaitUntil(
            [&] {
                return GetWindow(secondary, GW_CHILD) == ClockSurfaceOfTaskbar(secondary) &&
                       !SystemClockShowsThrough(secondary);
            },
            1500))
            << "the overlay stayed below";
        RemoveClockComponent(kComponent);
    }

    for (TaskbarLayout layout : {TaskbarLayout::Win10, TaskbarLayout::Win11}) {
        SCOPED_TRACE(kLayoutNames[static_cast<int>(layout)]);
        StandInTaskbar moved;
        options.layout = layout;
        options.monitors = 1;
        // Text narrower than the vertical bar: the horizontal rule would
        // make the shell's clock narrower than the shell made it.
        ASSERT_NO_FATAL_FAILURE(ShowClock(moved, options, SettingsWithFormat("ss")));
        HWND primary = moved.Taskbars().at(0);
        ASSERT_TRUE(moved.MoveTaskbars(StandInEdge::Left));
        RECT bar;
        GetWindowRect(primary, &bar);
        // A shell clock keeps the size the shell gave it on a vertical bar.
        HWND shellClock = moved.ClockWindow();
        RECT given = {};
        if (shellClock != nullptr) {
            GetWindowRect(GetParent(shellClock), &given);
        }
        EXPECT_TRUE(WaitUntil(
            [&] {
                const RECT clock = ScreenRectOfSurface(primary);
                return Inside(clock, bar) &&
                       (shellClock == nullptr || clock.right - clock.left >= given.right - given.left - 6);
            },
            1500))
            << Describe(ScreenRectOfSurface(primary)) << " in " << Describe(bar);
        RemoveClockComponent(kComponent);
    }
}

} // namespace
