// The whole package on each layout of taskbars, with two monitors: Decitray
// starts Horalume, which installs the real component, and every taskbar's
// clock shows decimal time, follows a settings preview and the user's
// elements, comes to a taskbar added later, survives one removed and a
// restart of the shell, and gives every system clock back on /U.
#include "decimal/DecimalTime.h"
#include "decitray/tests/DecitrayProcess.h"
#include "decitray/tests/TestSupport.h"
#include "hookapi/ClockDefaults.h"
#include "hookapi/HookApi.h"
#include "horalume/settings/SettingsStore.h"
#include "taskbar/testing/BuildPaths.h"
#include "taskbar/testing/TaskbarTestKit.h"
#include "win32/RegKey.h"
#include "win32/TaskbarClock.h"

#include <shlwapi.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

namespace {

using testkit::StandInOptions;

bool ShowsDecimalClockNow(const std::string& text)
{
    const Moment now = CurrentMoment();
    return text == DecimalClockText(now) || text == DecimalClockText(now - 1);
}

bool IsWindows11(TaskbarLayout layout)
{
    return layout == TaskbarLayout::Win11Early || layout == TaskbarLayout::Win11;
}

// The taskbars that show a clock in the layout: a classic secondary has none.
std::vector<HWND> ClockedTaskbars(const testkit::StandInTaskbar& taskbar, TaskbarLayout layout)
{
    std::vector<HWND> taskbars = taskbar.Taskbars();
    if (layout == TaskbarLayout::Classic) {
        taskbars.resize(1);
    }
    return taskbars;
}

int OverlayCount()
{
    int count = 0;
    for (HWND taskbar : FindTaskbars()) {
        count += FindWindowExA(taskbar, nullptr, hookapi::kOverlayClockClass, nullptr) != nullptr ? 1 : 0;
    }
    return count;
}

std::string Describe(const std::vector<HWND>& taskbars)
{
    std::string text = "installed " + std::to_string(testkit::IsComponentInstalled()) + ", " +
                       std::to_string(OverlayCount()) + " overlays, clocks show:";
    for (HWND taskbar : taskbars) {
        text += " \"" + testkit::SurfaceText(taskbar) + "\"";
    }
    return text;
}

bool EverySurfaceShows(const std::vector<HWND>& taskbars, const std::function<bool(const std::string&)>& accept,
                       DWORD timeoutMs)
{
    return WaitUntil(
        [&] {
            for (HWND taskbar : taskbars) {
                if (!accept(testkit::SurfaceText(taskbar))) {
                    return false;
                }
            }
            return true;
        },
        timeoutMs);
}

// Decitray.exe beside Horalume\Horalume.exe and Horalume\HORALUME.DLL, as installed.
class EveryTaskbar : public testing::TestWithParam<TaskbarLayout> {
protected:
    void SetUp() override
    {
        SHDeleteKeyA(HKEY_CURRENT_USER, kHoralumeKey);
        RegKeyWriter settings;
        ASSERT_TRUE(settings.Create(HKEY_CURRENT_USER, kHoralumeKey, kSettingsSubkey));
        settings.WriteDword("ShowProperties", 0);
        settings.WriteString("ClockFormatString", "%DC%");
        CopyFileA(WindowsPath(HORALUME_EXE).c_str(), LoaderPath().c_str(), FALSE);
        ASSERT_TRUE(CopyFileA(WindowsPath(HORALUME_DLL_PATH).c_str(), ComponentPath().c_str(), FALSE));
        StandInOptions options;
        options.layout = GetParam();
        options.monitors = 2;
        ASSERT_TRUE(taskbar_.Start(options));
    }

    void TearDown() override
    {
        if (testkit::IsComponentInstalled()) {
            testkit::RemoveClockComponent(ComponentPath());
        }
        taskbar_.Stop();
        DeleteFileA(ComponentPath().c_str());
        SHDeleteKeyA(HKEY_CURRENT_USER, kHoralumeKey);
    }

    std::string LoaderPath() const { return directory_.Path() + "\\Horalume\\Horalume.exe"; }
    std::string ComponentPath() const { return directory_.Path() + "\\Horalume\\HORALUME.DLL"; }

    // Horalume as the user starts it, in its own directory; waits for its end.
    bool RunLoader(const char* arguments)
    {
        testkit::ChildProcess loader;
        return loader.Start(nullptr, "\"" + LoaderPath() + "\" " + arguments, directory_.Path()) &&
               loader.WaitForExit(15000) != -1;
    }

    DecitrayDirectory directory_{true};
    testkit::StandInTaskbar taskbar_;
};

TEST_P(EveryTaskbar, DecimalTimeOnEveryTaskbarThroughItsWholeLife)
{
    const TaskbarLayout layout = GetParam();
    DecitrayProcess decitray(directory_);
    ASSERT_NE(decitray.MainWindow(), nullptr);
    std::vector<HWND> clocked = ClockedTaskbars(taskbar_, layout);
    ASSERT_TRUE(EverySurfaceShows(clocked, ShowsDecimalClockNow, 10000)) << Describe(clocked);
    if (IsWindows11(layout)) {
        for (HWND taskbar : clocked) {
            EXPECT_FALSE(testkit::SystemClockShowsThrough(taskbar)) << "the system's clock shows through";
        }
    }

    // A preview from the Clock page, and an element horaset sets, reach every clock.
    ClockSettings preview = DefaultClockSettings();
    std::strncpy(preview.clockFormatString, "'set 'HH' '%HS%", sizeof preview.clockFormatString - 1);
    ASSERT_TRUE(testkit::PushSettings(preview));
    ASSERT_TRUE(testkit::PokeElement("HS", "from horaset"));
    auto showsPreview = [](const std::string& text) {
        return text.rfind("set ", 0) == 0 && text.find(" from horaset") != std::string::npos;
    };
    EXPECT_TRUE(EverySurfaceShows(clocked, showsPreview, 3000));

    // Monitors plugged in and out.
    HWND added = taskbar_.AddTaskbar();
    ASSERT_NE(added, nullptr);
    if (layout != TaskbarLayout::Classic) {
        EXPECT_TRUE(EverySurfaceShows({added}, showsPreview, 1000)) << "the new taskbar got no clock in time";
    }
    const int overlaysBefore = OverlayCount();
    ASSERT_TRUE(taskbar_.RemoveTaskbar());
    EXPECT_EQ(OverlayCount(), overlaysBefore - (IsWindows11(layout) ? 1 : 0));
    EXPECT_TRUE(testkit::IsComponentInstalled());
    EXPECT_TRUE(EverySurfaceShows(clocked, showsPreview, 1000));

    // The shell restarts: Decitray hears it and has the clock extended again.
    ASSERT_TRUE(taskbar_.Restart());
    clocked = ClockedTaskbars(taskbar_, layout);
    EXPECT_TRUE(EverySurfaceShows(clocked, ShowsDecimalClockNow, 3000)) << Describe(clocked);

    // Removal gives every system clock back.
    ASSERT_TRUE(RunLoader("/U"));
    EXPECT_FALSE(testkit::IsComponentInstalled());
    EXPECT_EQ(OverlayCount(), 0);
    if (IsWindows11(layout)) {
        EXPECT_TRUE(testkit::SystemClockShowsThrough(clocked[0]));
    } else {
        EXPECT_TRUE(taskbar_.ClockProcedureIsOriginal());
        EXPECT_FALSE(ShowsDecimalClockNow(testkit::SurfaceText(clocked.back())));
    }
}

std::string LayoutName(const testing::TestParamInfo<TaskbarLayout>& info)
{
    static const char* const names[] = {"Classic", "Win10", "Win11Early", "Win11"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Layouts, EveryTaskbar,
                         testing::Values(TaskbarLayout::Classic, TaskbarLayout::Win10, TaskbarLayout::Win11Early,
                                         TaskbarLayout::Win11),
                         LayoutName);

} // namespace
