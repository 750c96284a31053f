// The shared Win32 pieces against the test kit's DDE server and stand-in taskbar.
#include "hookapi/HookApi.h"
#include "taskbar/testing/RecordingDdeServer.h"
#include "taskbar/testing/TaskbarTestKit.h"
#include "win32/Clipboard.h"
#include "win32/ElementClient.h"
#include "win32/ModuleOf.h"
#include "win32/RegKey.h"
#include "win32/TaskbarClock.h"
#include "win32/TolerantTimer.h"
#include "win32/Win32Handles.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;
using namespace testkit;

TEST(ElementClientTest, ConnectingAgainEndsTheConversationHeld)
{
    RecordingDdeServer server;
    ElementClient client;
    ASSERT_TRUE(client.Connect());
    ASSERT_TRUE(client.Connect());
    EXPECT_TRUE(client.Poke("DC", "1::2::3"));
    client.Disconnect();
    EXPECT_FALSE(client.Poke("DC", "1::2::4")) << "nothing is poked without a conversation";

    EXPECT_TRUE(WaitUntil([&] { return server.Connects().size() == 2 && server.Disconnects() == 2; }))
        << "connects " << server.Connects().size() << ", disconnects " << server.Disconnects();
    ASSERT_EQ(server.Pokes().size(), 1u);
    EXPECT_EQ(server.Pokes()[0].bytes, "1::2::3\0"s);
}

TEST(TaskbarClockTest, FindsTheClockOfAnyOrOfTheGivenThread)
{
    EXPECT_EQ(FindTaskbarClock(GetCurrentThreadId()).clock, nullptr);
    StandInTaskbar empty;
    ASSERT_TRUE(empty.Start(ClockMode::None));
    EXPECT_EQ(FindTaskbarClock().clock, nullptr) << "a taskbar without a clock does not count";

    StandInTaskbar taskbar;
    ASSERT_TRUE(taskbar.Start());
    const TaskbarClock found = FindTaskbarClock();
    EXPECT_EQ(found.clock, taskbar.ClockWindow());
    EXPECT_EQ(found.tray, taskbar.TrayWindow());
    EXPECT_EQ(GetParent(found.clock), found.notify);
    const DWORD shellThread = GetWindowThreadProcessId(taskbar.TrayWindow(), nullptr);
    EXPECT_EQ(FindTaskbarClock(shellThread).clock, taskbar.ClockWindow());
    EXPECT_EQ(FindTaskbarClock(GetWindowThreadProcessId(empty.TrayWindow(), nullptr)).clock, nullptr);
}

// Each layout on two monitors, as the component's lookups see it.
TEST(TaskbarClockTest, LookupsFindEachLayoutsClocks)
{
    for (TaskbarLayout layout :
         {TaskbarLayout::Classic, TaskbarLayout::Win10, TaskbarLayout::Win11Early, TaskbarLayout::Win11}) {
        SCOPED_TRACE(kLayoutNames[static_cast<int>(layout)]);
        StandInOptions options;
        options.layout = layout;
        options.monitors = 2;
        StandInTaskbar taskbar;
        ASSERT_TRUE(taskbar.Start(options));
        const std::vector<HWND> taskbars = FindTaskbars(GetWindowThreadProcessId(taskbar.TrayWindow(), nullptr));
        ASSERT_EQ(taskbars.size(), 2u);
        EXPECT_EQ(taskbars[0], taskbar.TrayWindow());

        const bool win11 = layout == TaskbarLayout::Win11Early || layout == TaskbarLayout::Win11;
        EXPECT_EQ(ShellClockOfTaskbar(taskbars[0]), taskbar.ClockWindow());
        EXPECT_EQ(taskbar.ClockWindow() != nullptr, !win11);
        HWND button = ShellClockOfTaskbar(taskbars[1]);
        EXPECT_EQ(button != nullptr, layout == TaskbarLayout::Win10);
        if (button != nullptr) {
            EXPECT_EQ(GetParent(button), taskbars[1]);
            EXPECT_EQ(SurfaceText(taskbars[1]).size(), 8u) << "the plain time, as the classic clock's";
        }
        for (HWND each : taskbars) {
            EXPECT_EQ(ClockBridgeOfTaskbar(each) != nullptr, win11);
            // Only the clock's bridge, the rightmost, shows the fake clock.
            EXPECT_EQ(WaitUntil([&] { return SystemClockShowsThrough(each); }, win11 ? 5000 : 0), win11);
        }
    }
}

TEST(TaskbarClockTest, TaskbarsAreAddedRemovedAndMadeAnewOnRestart)
{
    StandInOptions options;
    options.layout = TaskbarLayout::Win11;
    options.monitors = 2;
    StandInTaskbar taskbar;
    ASSERT_TRUE(taskbar.Start(options));
    HWND added = taskbar.AddTaskbar();
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(taskbar.Taskbars().size(), 3u);
    EXPECT_TRUE(WaitUntil([&] { return SystemClockShowsThrough(added); })) << "beyond the monitors, still on screen";
    EXPECT_TRUE(WaitUntil([&] { return SystemClockShowsThrough(taskbar.TrayWindow()); })) << "and not over another";
    EXPECT_TRUE(taskbar.RemoveTaskbar());
    EXPECT_FALSE(IsWindow(added)) << "the last one added goes first";
    EXPECT_TRUE(taskbar.RemoveTaskbar());
    EXPECT_FALSE(taskbar.RemoveTaskbar()) << "the primary stays";
    EXPECT_EQ(taskbar.Taskbars().size(), 1u);

    ASSERT_NE(taskbar.AddTaskbar(), nullptr);
    const HWND oldPrimary = taskbar.TrayWindow();
    ASSERT_TRUE(taskbar.Restart());
    EXPECT_FALSE(IsWindow(oldPrimary));
    const std::vector<HWND> taskbars = taskbar.Taskbars();
    ASSERT_EQ(taskbars.size(), 2u);
    EXPECT_EQ(taskbars[0], taskbar.TrayWindow());
    EXPECT_EQ(FindWindowExA(nullptr, nullptr, hookapi::kTrayWindowClass, nullptr), taskbar.TrayWindow())
        << "the loader's hook goes to the new primary, not to Wine's hidden tray";
    for (HWND each : taskbars) {
        EXPECT_TRUE(WaitUntil([&] { return SystemClockShowsThrough(each); }));
    }
    EXPECT_TRUE(taskbar.Stop()) << "the new primary closes the process";
}

TEST(OwnersTest, PutReleasesTheHeldHandleAndTakesTheOneTheCallWrites)
{
    UniqueHandle event(CreateEventA(nullptr, TRUE, FALSE, "Win32KitPutTest"));
    ASSERT_TRUE(event);
    HANDLE* slot = event.Put();
    EXPECT_EQ(*slot, nullptr);
    EXPECT_EQ(OpenEventA(SYNCHRONIZE, FALSE, "Win32KitPutTest"), nullptr) << "the held event was closed";
    *slot = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    EXPECT_EQ(event.Get(), *slot);
}

TEST(JoinKeyPath, AddsOneBackslashOnlyBetweenTwoParts)
{
    EXPECT_EQ(JoinKeyPath("Software\\Horalume", "Settings"), "Software\\Horalume\\Settings");
    EXPECT_EQ(JoinKeyPath("Software\\Horalume", ""), "Software\\Horalume");
    EXPECT_EQ(JoinKeyPath("Software\\Horalume", nullptr), "Software\\Horalume");
    EXPECT_EQ(JoinKeyPath("", "Settings"), "Settings");
    EXPECT_EQ(JoinKeyPath(nullptr, "Settings"), "Settings");
    EXPECT_EQ(JoinKeyPath(nullptr, nullptr), "");
}

TEST(ClipboardTest, CopiesTheTextAndLeavesTheClipboardClosed)
{
    ASSERT_TRUE(CopyTextToClipboard(nullptr, "1::23::45"));
    ASSERT_TRUE(OpenClipboard(nullptr)) << "closed after the copy";
    HANDLE data = GetClipboardData(CF_TEXT);
    const auto* text = data != nullptr ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    EXPECT_STREQ(text != nullptr ? text : "", "1::23::45");
    if (text != nullptr) {
        GlobalUnlock(data);
    }
    CloseClipboard();
}

TEST(ModuleOfTest, NamesTheProgramThisCodeIsLinkedInto)
{
    EXPECT_EQ(ThisModule(), GetModuleHandleA(nullptr));
    EXPECT_EQ(ModuleOf(reinterpret_cast<const void*>(&FindTaskbarClock)), ThisModule());
}

// Milliseconds until the window's timer id next posts WM_TIMER.
DWORD WaitForTimer(HWND window, UINT_PTR id)
{
    DWORD start = GetTickCount();
    MSG message;
    while (GetMessageA(&message, window, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.wParam == id) {
            break;
        }
        DispatchMessageA(&message);
    }
    return GetTickCount() - start;
}

TEST(TolerantTimerTest, FiresEveryDelayAndTakesANewOne)
{
    HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(SetTolerantTimer(window, 7, 300, 30));
    DWORD first = WaitForTimer(window, 7);
    EXPECT_GE(first, 250u);
    EXPECT_LT(first, 1000u);
    EXPECT_GE(WaitForTimer(window, 7), 250u); // it repeats
    ASSERT_TRUE(SetTolerantTimer(window, 7, 50, 0));
    EXPECT_LT(WaitForTimer(window, 7), 250u);
    DestroyWindow(window);
}

} // namespace
