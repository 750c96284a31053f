// The shared Win32 pieces against the test kit's DDE server and stand-in taskbar.
#include "ElementClient.h"
#include "ModuleOf.h"
#include "RecordingDdeServer.h"
#include "TaskbarClock.h"
#include "TaskbarTestKit.h"
#include "TolerantTimer.h"

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
