// Decitray.exe as a whole: start-up, the tray, the tick into a recording DDE server.
#include "decimal/DecimalTime.h"
#include "decitray/tests/DecitrayProcess.h"
#include "decitray/tests/TestSupport.h"
#include "resources/decitray/resource.h"
#include "taskbar/testing/RecordingDdeServer.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const UINT kTrayCallback = WM_APP + 10;

// Whether a child window of the dialog reads as given.
bool DialogShowsText(HWND dialog, const std::string& text)
{
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (WindowTextOf(child) == text) {
            return true;
        }
    }
    return false;
}

TEST(DecitrayProgramTest, SecondCopyExitsBeforeStartingTheLoader)
{
    DecitrayDirectory directory;
    DecitrayProcess first(directory);
    ASSERT_TRUE(first.Started());
    HWND main = first.MainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return TrayIconExists(main, IDI_TRAY); }));
    EXPECT_TRUE(WaitUntil([&] { return directory.LoaderStarts() == 1; }));

    DecitrayProcess second(directory);
    ASSERT_TRUE(second.Started());
    EXPECT_EQ(second.WaitForExit(), 0);
    EXPECT_EQ(directory.LoaderStarts(), 1);
    EXPECT_TRUE(IsWindow(main)) << "the first copy runs on";

    // Closing from the menu removes the icon and exits with 0; the next start starts the loader again.
    PostMessageA(main, WM_COMMAND, IDM_EXIT, 0);
    EXPECT_EQ(first.WaitForExit(), 0);
    EXPECT_FALSE(TrayIconExists(main, IDI_TRAY));
    DecitrayProcess third(directory);
    EXPECT_NE(third.MainWindow(), nullptr);
    EXPECT_TRUE(WaitUntil([&] { return directory.LoaderStarts() == 2; }));
}

TEST(DecitrayProgramTest, MissingLoaderIsToldAndEndsWithZero)
{
    DecitrayDirectory directory(false);
    DecitrayProcess decitray(directory);
    ASSERT_TRUE(decitray.Started());
    HWND box = decitray.WaitForWindow("#32770", "Error");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(DialogShowsText(box, "Could not run the Horalume.exe executable."));
    EXPECT_EQ(decitray.FindWindowOf("Decitray", nullptr), nullptr) << "no window before the loader runs";
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(decitray.WaitForExit(), 0);
}

TEST(DecitrayProgramTest, StartsTheLoaderAgainWhenTheTaskbarIsMadeAnew)
{
    testkit::StandInTaskbar taskbar;
    ASSERT_TRUE(taskbar.Start());
    DecitrayDirectory directory;
    DecitrayProcess decitray(directory);
    ASSERT_NE(decitray.MainWindow(), nullptr);
    ASSERT_TRUE(WaitUntil([&] { return directory.LoaderStarts() == 1; }));

    ASSERT_TRUE(taskbar.Restart()); // broadcasts "TaskbarCreated"
    EXPECT_TRUE(WaitUntil([&] { return directory.LoaderStarts() == 2; }));
    PumpMessagesFor(200);
    EXPECT_EQ(directory.LoaderStarts(), 2) << "once for each new taskbar";
}

// Decitray running with its icon in the notification area.
class DecitrayWithIcon : public testing::Test {
protected:
    void SetUp() override
    {
        main = decitray.MainWindow();
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return TrayIconExists(main, IDI_TRAY); }));
    }

    DecitrayDirectory directory;
    DecitrayProcess decitray{directory};
    HWND main = nullptr;
};

TEST_F(DecitrayWithIcon, TrayNotificationsHideAndClose)
{
    EXPECT_FALSE(IsWindowVisible(main));

    EXPECT_EQ(SendMessageA(main, kTrayCallback, IDI_TRAY + 1, WM_RBUTTONUP), 0);

    // A double click opens the About dialog.
    PostMessageA(main, kTrayCallback, IDI_TRAY, WM_LBUTTONDBLCLK);
    HWND about = decitray.WaitForWindow("#32770", "About Decitray");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(DialogShowsText(about, "Decitray Version 1.0"));
    PostMessageA(about, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }));

    // "&Hide Icon" twice: the program runs on without an icon.
    PostMessageA(main, WM_COMMAND, IDM_HIDEICON, 0);
    EXPECT_TRUE(WaitUntil([&] { return !TrayIconExists(main, IDI_TRAY); }));
    PostMessageA(main, WM_COMMAND, IDM_HIDEICON, 0);
    PumpMessagesFor(200);
    EXPECT_TRUE(IsWindow(main));
}

TEST_F(DecitrayWithIcon, RightClickMenuCloses)
{
    PostMessageA(main, kTrayCallback, IDI_TRAY, WM_RBUTTONUP);
    HWND menu = decitray.WaitForWindow("#32768", nullptr);
    ASSERT_NE(menu, nullptr);
    PostMessageA(menu, WM_KEYDOWN, 'C', 0); // "&Close Decitray"
    EXPECT_EQ(decitray.WaitForExit(), 0);
    EXPECT_FALSE(TrayIconExists(main, IDI_TRAY)) << "the icon goes at once";
}

bool IsTextNear(const std::string& bytes, long long moment, std::string (*text)(Moment))
{
    for (long long m = moment - 1; m <= moment + 1; ++m) {
        if (bytes == text(static_cast<Moment>(m)) + '\0') {
            return true;
        }
    }
    return false;
}

TEST(DecitrayProgramTest, TicksPokeClockThenDateEvery400Ms)
{
    testkit::RecordingDdeServer server;
    DecitrayDirectory directory;
    DecitrayProcess decitray(directory);
    HWND main = decitray.MainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return server.Pokes().size() >= 12; }));

    // Ticks go on while the About dialog is open.
    PostMessageA(main, WM_COMMAND, IDM_ABOUT, 0);
    HWND about = decitray.WaitForWindow("#32770", "About Decitray");
    ASSERT_NE(about, nullptr);
    const size_t beforeDialog = server.Pokes().size();
    EXPECT_TRUE(WaitUntil([&] { return server.Pokes().size() >= beforeDialog + 4; }, 3000));
    EXPECT_TRUE(IsWindow(about)) << "two ticks while the dialog was open";
    PostMessageA(about, WM_COMMAND, IDOK, 0);

    PostMessageA(main, WM_COMMAND, IDM_EXIT, 0);
    EXPECT_EQ(decitray.WaitForExit(), 0);
    EXPECT_TRUE(WaitUntil([&] { return server.Disconnects() == 1; })) << "closing ends the conversation";

    const std::vector<testkit::RecordedPoke> pokes = server.Pokes();
    const std::vector<DWORD> connects = server.Connects();
    ASSERT_EQ(connects.size(), 1u);
    ASSERT_GE(pokes.size(), 12u);
    EXPECT_GE(pokes[0].tick - connects[0], 250u) << "nothing is poked on the tick that makes the link";

    std::vector<DWORD> gaps;
    for (size_t i = 0; i + 1 < pokes.size(); i += 2) {
        const testkit::RecordedPoke& clock = pokes[i];
        const testkit::RecordedPoke& date = pokes[i + 1];
        EXPECT_EQ(clock.item, "DC");
        EXPECT_EQ(date.item, "DD");
        EXPECT_EQ(clock.format, static_cast<UINT>(CF_TEXT));
        EXPECT_EQ(date.format, static_cast<UINT>(CF_TEXT));
        EXPECT_TRUE(IsTextNear(clock.bytes, clock.moment, DecimalClockText)) << clock.bytes;
        EXPECT_TRUE(IsTextNear(date.bytes, date.moment, DecimalDateText)) << date.bytes;
        if (i >= 2) {
            gaps.push_back(clock.tick - pokes[i - 2].tick);
        }
    }
    std::sort(gaps.begin(), gaps.end());
    const DWORD median = gaps[gaps.size() / 2];
    EXPECT_GE(median, 350u);
    EXPECT_LE(median, 450u);
}

} // namespace
