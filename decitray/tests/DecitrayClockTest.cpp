// Decitray.exe against the clock component in the stand-in taskbar: the
// clock shows decimal time, and shows it again after the component was
// removed and installed anew while Decitray ran.
#include "decimal/DecimalTime.h"
#include "decitray/tests/DecitrayProcess.h"
#include "decitray/tests/TestSupport.h"
#include "hookapi/ClockDefaults.h"
#include "resources/decitray/resource.h"
#include "taskbar/testing/TaskbarTestKit.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const std::string kDll = HORALUME_DLL_PATH;
// Start-up takes the loader's start, the icon, a tick to connect and one to poke; more on a busy machine.
const DWORD kStartMs = 8000;

bool PushDecimalFormat()
{
    ClockSettings settings = DefaultClockSettings();
    std::strncpy(settings.clockFormatString, "%DC%|%DD%", sizeof settings.clockFormatString - 1);
    return testkit::PushSettings(settings);
}

// The clock and date texts of this second or the one before, one a line.
bool ShowsDecimalTimeNow(const std::string& text)
{
    const Moment now = CurrentMoment();
    for (Moment moment = now - 1; moment <= now; ++moment) {
        if (text == DecimalClockText(moment) + "\n" + DecimalDateText(moment)) {
            return true;
        }
    }
    return false;
}

class DecitrayClockTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(taskbar.Start());
        ASSERT_TRUE(testkit::InstallClockComponent(kDll));
        ASSERT_TRUE(PushDecimalFormat());
    }
    void TearDown() override
    {
        testkit::RemoveClockComponent(kDll);
        taskbar.Stop();
    }

    testkit::StandInTaskbar taskbar;
};

TEST_F(DecitrayClockTest, ClockShowsDecimalTimeAndKeepsUp)
{
    DecitrayDirectory directory;
    DecitrayProcess decitray(directory);
    HWND main = decitray.MainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return TrayIconExists(main, IDI_TRAY); })) << "the taskbar passes the icon on";

    std::string shown;
    EXPECT_TRUE(testkit::WaitForClockText(ShowsDecimalTimeNow, kStartMs, &shown)) << shown;
    const std::string first = shown;
    // A decimal second is 0.87 s: within two seconds the clock has moved on and is still current.
    PumpMessagesFor(2000);
    EXPECT_TRUE(testkit::WaitForClockText(ShowsDecimalTimeNow, 1000, &shown)) << shown;
    EXPECT_NE(shown, first);

    // "&Hide Icon" leaves the clock running.
    PostMessageA(main, WM_COMMAND, IDM_HIDEICON, 0);
    EXPECT_TRUE(WaitUntil([&] { return !TrayIconExists(main, IDI_TRAY); }));
    PumpMessagesFor(1000);
    EXPECT_TRUE(testkit::WaitForClockText(ShowsDecimalTimeNow, 1000, &shown)) << shown;
}

TEST_F(DecitrayClockTest, ShowsDecimalTimeAgainAfterTheComponentCameBack)
{
    DecitrayDirectory directory;
    DecitrayProcess decitray(directory);
    ASSERT_NE(decitray.MainWindow(), nullptr);
    std::string shown;
    ASSERT_TRUE(testkit::WaitForClockText(ShowsDecimalTimeNow, kStartMs, &shown)) << shown;

    ASSERT_TRUE(testkit::RemoveClockComponent(kDll));
    PumpMessagesFor(1000); // Decitray's pokes fail meanwhile
    ASSERT_TRUE(testkit::InstallClockComponent(kDll));
    ASSERT_TRUE(PushDecimalFormat());
    const DWORD installed = GetTickCount();
    EXPECT_TRUE(testkit::WaitForClockText(ShowsDecimalTimeNow, 3000, &shown)) << shown;
    const DWORD took = GetTickCount() - installed;
    RecordProperty("msUntilDecimalTimeAgain", static_cast<int>(took));
    // A failed poke, a tick to connect, a tick to poke: about 1.2 s, more on a busy machine.
    EXPECT_LE(took, 2500u);
}

} // namespace
