// The stand-in taskbar's states (edge, DPI, theme, auto-hide, a full-screen
// program) as the component's lookups and the screen show them.
#include "taskbar/testing/TaskbarTestKit.h"
#include "win32/RegKey.h"
#include "win32/TaskbarClock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace testkit;

RECT RectOf(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

std::string Describe(const RECT& rect)
{
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + " - " + std::to_string(rect.right) + "," +
           std::to_string(rect.bottom);
}

bool IsVertical(StandInEdge edge)
{
    return edge == StandInEdge::Left || edge == StandInEdge::Right;
}

// Where the clock is: the last stretch of the taskbar towards its right end,
// or its bottom end when it is vertical; the rest of it.
// The far `reach` pixels of a bar, and the rest of it.
RECT FarEnd(const RECT& bar, bool vertical, int reach = 100)
{
    return vertical ? RECT{bar.left, bar.bottom - reach, bar.right, bar.bottom}
                    : RECT{bar.right - reach, bar.top, bar.right, bar.bottom};
}

RECT NearPart(const RECT& bar, bool vertical, int reach = 100)
{
    return vertical ? RECT{bar.left, bar.top, bar.right, bar.bottom - reach}
                    : RECT{bar.left, bar.top, bar.right - reach, bar.bottom};
}

// A Windows 11 clock sits left of the bell and the show-desktop strip.
constexpr int kWin11ClockReach = 200;

// Two monitors side by side, each taskbar along the edge of its own, with the
// clock at its far end: the classic clock and Windows 10's clock button, or a
// Windows 11 clock bridge (on a vertical taskbar, the one reaching furthest
// down) with the system clock painted there.
TEST(TaskbarStatesTest, TaskbarsLieAlongEachEdgeWithTheClockAtTheFarEnd)
{
    const int half = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int height = GetSystemMetrics(SM_CYSCREEN);
    for (StandInEdge edge : {StandInEdge::Bottom, StandInEdge::Top, StandInEdge::Left, StandInEdge::Right}) {
        for (TaskbarLayout layout : {TaskbarLayout::Win10, TaskbarLayout::Win11Early, TaskbarLayout::Win11}) {
            SCOPED_TRACE(std::string(kEdgeNames[static_cast<int>(edge)]) + " " +
                         kLayoutNames[static_cast<int>(layout)]);
            StandInOptions options;
            options.layout = layout;
            options.edge = edge;
            options.monitors = 2;
            StandInTaskbar taskbar;
            ASSERT_TRUE(taskbar.Start(options));
            const std::vector<HWND> taskbars = taskbar.Taskbars();
            ASSERT_EQ(taskbars.size(), 2u);
            const bool vertical = IsVertical(edge);
            for (int monitor = 0; monitor < 2; ++monitor) {
                const RECT bar = RectOf(taskbars[monitor]);
                const RECT screen = {monitor * half, 0, (monitor + 1) * half, height};
                const RECT expected = {edge == StandInEdge::Right ? screen.right - 62 : screen.left,
                                       edge == StandInEdge::Bottom ? screen.bottom - 40 : screen.top,
                                       edge == StandInEdge::Left ? screen.left + 62 : screen.right,
                                       edge == StandInEdge::Top ? screen.top + 40 : screen.bottom};
                EXPECT_TRUE(EqualRect(&bar, &expected)) << Describe(bar) << " on monitor " << monitor;
                if (layout == TaskbarLayout::Win10) {
                    const RECT clock = RectOf(ShellClockOfTaskbar(taskbars[monitor]));
                    const RECT end = FarEnd(bar, vertical);
                    RECT inside;
                    EXPECT_TRUE(IntersectRect(&inside, &clock, &end) && EqualRect(&inside, &clock))
                        << "clock " << Describe(clock) << " on " << Describe(bar);
                    continue;
                }
                EXPECT_TRUE(WaitUntil([&] { return SystemClockShowsThrough(taskbars[monitor]); }))
                    << "the bridge found holds the clock";
                EXPECT_TRUE(ScreenHasColour(FarEnd(bar, vertical, kWin11ClockReach), kFakeSystemClockColour));
                EXPECT_FALSE(ScreenHasColour(NearPart(bar, vertical, kWin11ClockReach), kFakeSystemClockColour));
            }
        }
    }
}

TEST(TaskbarStatesTest, TheDpiOfTheSessionScalesTheTaskbar)
{
    StandInOptions options;
    options.dpi = 144;
    StandInTaskbar taskbar;
    ASSERT_TRUE(taskbar.Start(options)) << "it exits when the session's DPI is not the one asked for";
    RECT bar = RectOf(taskbar.TrayWindow());
    const RECT clock = RectOf(taskbar.ClockWindow());
    EXPECT_EQ(bar.bottom - bar.top, 60);
    EXPECT_EQ(clock.right - clock.left, 120);
    EXPECT_EQ(bar.bottom, GetSystemMetrics(SM_CYSCREEN));

    taskbar.Stop();
    ASSERT_TRUE(taskbar.Start());
    bar = RectOf(taskbar.TrayWindow());
    EXPECT_EQ(bar.bottom - bar.top, 40) << "Stop put the session's DPI back";
}

LRESULT CALLBACK RecordSettingChange(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* seen = reinterpret_cast<std::vector<std::string>*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_SETTINGCHANGE && lParam != 0 && seen != nullptr) {
        seen->push_back(reinterpret_cast<const char*>(lParam));
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

std::int32_t LightThemeValue()
{
    RegKeyReader key;
    return key.Open(HKEY_CURRENT_USER, kThemeKey) ? key.ReadDword(kLightThemeValue, -1) : -1;
}

TEST(TaskbarStatesTest, SwitchingTheThemeWritesPaintsAndBroadcastsIt)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = RecordSettingChange;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "TaskbarStatesTestListener";
    RegisterClassA(&windowClass);
    HWND listener = CreateWindowExA(0, windowClass.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    windowClass.hInstance, nullptr);
    ASSERT_NE(listener, nullptr);
    std::vector<std::string> seen;
    SetWindowLongPtrA(listener, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&seen));

    StandInOptions options;
    options.theme = StandInTheme::Dark;
    StandInTaskbar taskbar;
    ASSERT_TRUE(taskbar.Start(options));
    // Clear of the clock, whose smoothed text could hold any grey.
    RECT bar = RectOf(taskbar.TrayWindow());
    bar.right = bar.left + 200;
    EXPECT_EQ(LightThemeValue(), 0);
    EXPECT_TRUE(WaitUntil([&] { return ScreenHasColour(bar, kDarkTaskbarColour); }));

    ASSERT_TRUE(taskbar.SetTheme(StandInTheme::Light));
    EXPECT_EQ(LightThemeValue(), 1);
    EXPECT_NE(std::find(seen.begin(), seen.end(), "ImmersiveColorSet"), seen.end()) << "told before it answered";
    EXPECT_TRUE(WaitUntil([&] { return !ScreenHasColour(bar, kDarkTaskbarColour); }));
    EXPECT_TRUE(ScreenHasColour(bar, kLightTaskbarColour));

    ASSERT_TRUE(taskbar.Start());
    EXPECT_EQ(LightThemeValue(), -1) << "without a theme the value goes";
    EXPECT_TRUE(WaitUntil([&] { return !ScreenHasColour(bar, kLightTaskbarColour); }));
    DestroyWindow(listener);
}

TEST(TaskbarStatesTest, AutoHideAndAFullScreenWindowTakeThePrimaryOffTheScreen)
{
    StandInTaskbar taskbar;
    ASSERT_TRUE(taskbar.Start());
    HWND tray = taskbar.TrayWindow();
    const RECT bar = RectOf(tray);
    ASSERT_TRUE(taskbar.SetAutoHide(true));
    EXPECT_FALSE(IsWindowVisible(tray));
    ASSERT_TRUE(taskbar.SetAutoHide(false));
    EXPECT_TRUE(IsWindowVisible(tray));

    ASSERT_TRUE(taskbar.ShowFullScreenWindow(true));
    EXPECT_TRUE(WaitUntil([&] { return ScreenHasColour(bar, kFullScreenColour); })) << "the taskbar went behind";
    EXPECT_FALSE(GetWindowLongPtrA(tray, GWL_EXSTYLE) & WS_EX_TOPMOST);
    ASSERT_TRUE(taskbar.ShowFullScreenWindow(false));
    EXPECT_TRUE(GetWindowLongPtrA(tray, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(WaitUntil([&] { return !ScreenHasColour(bar, kFullScreenColour); }));
}

} // namespace
