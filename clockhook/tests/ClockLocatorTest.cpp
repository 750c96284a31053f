// The overlay on the clock the locator finds in a Windows 11 taskbar's
// content, as its neighbours come and go, on every taskbar, and when the
// looks come back empty or hang.
#include "hookapi/ClockDefaults.h"
#include "taskbar/testing/TaskbarTestKit.h"
#include "win32/TaskbarClock.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace testkit;

namespace {

const std::string kComponent = HORALUME_DLL_PATH;
// The slow look's period and a look's own time.
constexpr DWORD kFollowMs = 1500;

std::string Describe(const RECT& rect)
{
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + " - " + std::to_string(rect.right) + "," +
           std::to_string(rect.bottom);
}

void ShowClock(StandInTaskbar& taskbar, TaskbarLayout layout, int monitors = 1)
{
    StandInOptions options;
    options.layout = layout;
    options.monitors = monitors;
    ASSERT_TRUE(taskbar.Start(options));
    ASSERT_TRUE(InstallClockComponent(kComponent));
    ClockSettings settings = DefaultClockSettings();
    std::strncpy(settings.clockFormatString, "HH:mm:ss", sizeof settings.clockFormatString - 1);
    ASSERT_TRUE(PushSettings(settings));
}

// The overlay is exactly on the fake clock, none of which shows, and the
// bell or badge beside it shows whole.
bool CoversTheClockOnly(const StandInTaskbar& taskbar, HWND bar)
{
    const RECT clock = taskbar.TrayElementRect(bar, "SystemTray.DateTimeIconContent");
    const RECT overlay = ScreenRectOfSurface(bar);
    const RECT badge = taskbar.TrayElementRect(bar, "SystemTray.OmniButton", "NotificationCenterButton");
    return EqualRect(&clock, &overlay) && !SystemClockShowsThrough(bar) && ScreenHasColour(badge, kFakeNeighbourColour);
}

::testing::AssertionResult FollowsTheClock(const StandInTaskbar& taskbar, HWND bar)
{
    if (WaitUntil([&] { return CoversTheClockOnly(taskbar, bar); }, kFollowMs)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "overlay " << Describe(ScreenRectOfSurface(bar)) << ", clock "
                                         << Describe(taskbar.TrayElementRect(bar, "SystemTray.DateTimeIconContent"));
}

TEST(ClockLocator, TheOverlayFollowsTheClockAsItsNeighboursComeAndGo)
{
    StandInTaskbar taskbar;
    ASSERT_NO_FATAL_FAILURE(ShowClock(taskbar, TaskbarLayout::Win11));
    HWND bar = taskbar.Taskbars().at(0);
    EXPECT_TRUE(FollowsTheClock(taskbar, bar)) << "the bell";
    const struct {
        TrayItem item;
        int value;
        const char* what;
    } changes[] = {
        {TrayItem::Badge, 1, "a badge"},
        {TrayItem::Badge, 2, "99+"},
        {TrayItem::Badge, 0, "the bell again"},
        {TrayItem::Moon, 1, "the moon"},
        {TrayItem::Copilot, 1, "Copilot"},
        {TrayItem::Seconds, 1, "seconds, a wider clock"},
        {TrayItem::LeftAligned, 1, "left aligned"},
    };
    for (const auto& change : changes) {
        ASSERT_TRUE(taskbar.SetTrayItem(change.item, change.value));
        EXPECT_TRUE(FollowsTheClock(taskbar, bar)) << change.what;
    }
    const RECT widgets = taskbar.TrayElementRect(bar, "Taskbar.TaskListButton", "WidgetsButton");
    EXPECT_TRUE(ScreenHasColour(widgets, kFakeNeighbourColour)) << "the Widgets button covered";
    RemoveClockComponent(kComponent);
}

TEST(ClockLocator, EveryTaskbarHasItsOwnAnswer)
{
    StandInTaskbar taskbar;
    ASSERT_NO_FATAL_FAILURE(ShowClock(taskbar, TaskbarLayout::Win11Early, 2));
    ASSERT_TRUE(taskbar.SetTrayItem(TrayItem::Badge, 2));
    for (HWND bar : taskbar.Taskbars()) {
        EXPECT_TRUE(FollowsTheClock(taskbar, bar));
    }
    RemoveClockComponent(kComponent);
}

TEST(ClockLocator, EmptyLooksKeepTheLastPlace)
{
    StandInTaskbar taskbar;
    ASSERT_NO_FATAL_FAILURE(ShowClock(taskbar, TaskbarLayout::Win11));
    HWND bar = taskbar.Taskbars().at(0);
    ASSERT_TRUE(FollowsTheClock(taskbar, bar));
    const RECT placed = ScreenRectOfSurface(bar);
    // The clock moves while the looks see nothing: the overlay stays where
    // the last answer put it rather than falling back to a rule.
    ASSERT_TRUE(taskbar.SetTrayItem(TrayItem::EmptyLooks, 1));
    ASSERT_TRUE(taskbar.SetTrayItem(TrayItem::Copilot, 1));
    PumpMessagesFor(2 * kFollowMs);
    const RECT kept = ScreenRectOfSurface(bar);
    EXPECT_TRUE(EqualRect(&placed, &kept)) << Describe(kept) << " instead of " << Describe(placed);
    ASSERT_TRUE(taskbar.SetTrayItem(TrayItem::EmptyLooks, 0));
    EXPECT_TRUE(FollowsTheClock(taskbar, bar)) << "once the looks see again";
    RemoveClockComponent(kComponent);
}

TEST(ClockLocator, LooksThatHangHoldUpNeitherTheShellNorTheRemoval)
{
    StandInTaskbar taskbar;
    ASSERT_NO_FATAL_FAILURE(ShowClock(taskbar, TaskbarLayout::Win11));
    HWND bar = taskbar.Taskbars().at(0);
    ASSERT_TRUE(FollowsTheClock(taskbar, bar));
    ASSERT_TRUE(taskbar.SetTrayItem(TrayItem::HangingLooks, 1));
    PumpMessagesFor(kFollowMs); // a look is under way and hangs
    DWORD_PTR answer = 0;
    EXPECT_TRUE(SendMessageTimeoutA(bar, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &answer)) << "the taskbar hangs";
    const DWORD start = GetTickCount();
    EXPECT_TRUE(RemoveClockComponent(kComponent, 3000));
    EXPECT_LT(GetTickCount() - start, 3000u);
    EXPECT_FALSE(IsComponentInstalled());
    EXPECT_TRUE(SendMessageTimeoutA(bar, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &answer)) << "the taskbar hangs";
}

} // namespace
