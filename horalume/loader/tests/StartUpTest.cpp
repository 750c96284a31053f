// Whole runs of Horalume.exe against the stand-in taskbar and fake clock components:
// a copy of Horalume.exe beside the component variant in a directory of its own.
#include "horalume/loader/tests/TestSupport.h"
#include "taskbar/StandInTaskbar.h"
#include "taskbar/testing/TaskbarTestKit.h"
#include "win32/TaskbarClock.h"

#include <windows.h>

#include <prsht.h>

#include <gtest/gtest.h>

#include <string>

namespace {

const char kHoralume[] = "Horalume";
const char kInstallCaption[] = "Unable to start Horalume!";
const char kRemoveCaption[] = "Unable to exit Horalume!";
const char kSheetCaption[] = "Horalume Properties";
const DWORD kNever = 0xFFFFFFFF;

HWND FindSheet()
{
    return FindWindowA("#32770", kSheetCaption);
}

class StartUp : public ::testing::Test {
protected:
    StartUp() : copy_("horalume-startup") {}

    void SetUp() override
    {
        ClearHoralumeRegistry();
        ASSERT_TRUE(copy_.Place(HORALUME_EXE));
    }

    void TearDown() override
    {
        for (ChildProcess* process : {&horalume_, &second_, &taskbar_, &emptyTaskbar_}) {
            process->End();
        }
        ClearHoralumeRegistry();
    }

    void UseComponent(const char* dll) { ASSERT_TRUE(copy_.PlaceComponent(dll)); }

    void StartTaskbar(ChildProcess& taskbar, const char* switches = "")
    {
        ASSERT_TRUE(taskbar.Start(nullptr, "\"" + WindowsPath(TASKBAR_EXE) + "\" " + switches, ""));
    }

    void RunHoralume(ChildProcess& process, const char* arguments = "") { ASSERT_TRUE(copy_.Run(process, arguments)); }

    // Installs the fake component without opening the sheet.
    void InstallSilently()
    {
        WriteSetting("ShowProperties", 0);
        RunHoralume(horalume_);
        ASSERT_NE(horalume_.WaitForExit(10000), -1);
        ASSERT_TRUE(testkit::IsComponentInstalled());
    }

    // The settings records the clock received; -1 without an answering clock.
    static int SettingsRecords()
    {
        DWORD_PTR records = static_cast<DWORD_PTR>(-1);
        HWND clock = FindTaskbarClock().clock;
        if (clock == nullptr || !SendMessageTimeoutA(clock, RegisterWindowMessageA(kSettingsRecordsMessage), 0, 0,
                                                     SMTO_ABORTIFHUNG, 5000, &records)) {
            return -1;
        }
        return static_cast<int>(records);
    }

    HoralumeCopy copy_;
    ChildProcess taskbar_, emptyTaskbar_, horalume_, second_;
};

TEST_F(StartUp, WithoutTaskbarTheClockCannotBeFound)
{
    MessageBoxWatcher boxes({kHoralume}, IDOK);
    RunHoralume(horalume_);
    ASSERT_NE(horalume_.WaitForExit(10000), -1);
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].text, "Cannot find the clock.");
}

TEST_F(StartUp, SilentInstallPushesTheSettingsAndExits)
{
    UseComponent(FAKE_COMPONENT_DLL);
    StartTaskbar(taskbar_);
    InstallSilently();
    EXPECT_EQ(SettingsRecords(), 1);
    EXPECT_EQ(FindSheet(), nullptr);
}

TEST_F(StartUp, TaskbarWithoutClockIsSkipped)
{
    UseComponent(FAKE_COMPONENT_DLL);
    StartTaskbar(taskbar_);
    StartTaskbar(emptyTaskbar_, kNoClockSwitch); // on top, so found first
    InstallSilently();
    EXPECT_EQ(SettingsRecords(), 1);
}

TEST_F(StartUp, HiddenClockWarnsAndCancelInstallsNothing)
{
    UseComponent(FAKE_COMPONENT_DLL);
    StartTaskbar(taskbar_, kHiddenClockSwitch);
    WriteSetting("ShowProperties", 0);
    {
        MessageBoxWatcher boxes({kHoralume}, IDCANCEL);
        RunHoralume(horalume_);
        ASSERT_NE(horalume_.WaitForExit(10000), -1);
        ASSERT_EQ(boxes.Seen().size(), 1u);
        EXPECT_EQ(boxes.Seen()[0].text.rfind("The standard Windows taskbar clock is currently disabled.", 0), 0u);
        EXPECT_FALSE(testkit::IsComponentInstalled());
    }
    MessageBoxWatcher boxes({kHoralume}, IDOK);
    RunHoralume(horalume_);
    ASSERT_NE(horalume_.WaitForExit(10000), -1);
    EXPECT_EQ(boxes.Seen().size(), 1u);
    EXPECT_TRUE(testkit::IsComponentInstalled());
}

TEST_F(StartUp, ComponentThatReportsWithoutStayingIsAFailedInstallation)
{
    UseComponent(FAKE_COMPONENT_DLL);
    StartTaskbar(taskbar_);
    WriteSetting("ShowProperties", 0);
    WriteFakeComponentDelay("InstallFails", 1);
    MessageBoxWatcher boxes({kInstallCaption}, IDOK);
    RunHoralume(horalume_);
    ASSERT_NE(horalume_.WaitForExit(10000), -1);
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].text, "Cannot hook the clock.");
    EXPECT_EQ(SettingsRecords(), 0);
    EXPECT_FALSE(testkit::IsComponentInstalled());
}

TEST_F(StartUp, HungShellIsAFailedInstallationReportedInBoundedTime)
{
    UseComponent(FAKE_COMPONENT_DLL);
    StartTaskbar(taskbar_, kHungSwitch);
    MessageBoxWatcher boxes({kInstallCaption}, IDOK);
    const DWORD start = GetTickCount();
    RunHoralume(horalume_);
    ASSERT_NE(horalume_.WaitForExit(15000), -1) << "Horalume waits for the hung shell";
    EXPECT_LT(GetTickCount() - start, 12000u);
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].text, "Cannot hook the clock.");
    EXPECT_FALSE(testkit::IsComponentInstalled());
}

TEST_F(StartUp, InstalledComponentOpensTheSheetAndASecondCopyOnlyFrontsIt)
{
    UseComponent(FAKE_COMPONENT_DLL);
    StartTaskbar(taskbar_);
    InstallSilently();

    RunHoralume(horalume_); // "ShowProperties" 0 does not silence an installed component
    ASSERT_TRUE(WaitUntil([] { return FindSheet() != nullptr && IsWindowVisible(FindSheet()); }, 10000));

    RunHoralume(second_, "/U");
    ASSERT_NE(second_.WaitForExit(10000), -1);
    EXPECT_TRUE(testkit::IsComponentInstalled());
    EXPECT_TRUE(horalume_.IsRunning());

    WriteSetting("Left", -1234);
    PostMessageA(FindSheet(), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    ASSERT_NE(horalume_.WaitForExit(10000), -1);
    EXPECT_NE(ReadSetting("Left", -1234), -1234); // the closing position was saved
    EXPECT_EQ(ReadSetting("Page", 0), 2000);
    EXPECT_TRUE(testkit::IsComponentInstalled());
}

TEST_F(StartUp, UninstallRemovesAndIsSilentWhenNothingIsInstalled)
{
    UseComponent(FAKE_COMPONENT_DLL);
    StartTaskbar(taskbar_);
    MessageBoxWatcher boxes({kHoralume, kInstallCaption, kRemoveCaption}, IDOK);
    RunHoralume(horalume_, "-uninstall");
    ASSERT_NE(horalume_.WaitForExit(10000), -1);
    EXPECT_FALSE(testkit::IsComponentInstalled());

    InstallSilently();
    RunHoralume(horalume_, "/u");
    ASSERT_NE(horalume_.WaitForExit(10000), -1);
    EXPECT_FALSE(testkit::IsComponentInstalled());
    EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(StartUp, MissingUnhookProcedureFailsRemovalOnly)
{
    UseComponent(FAKE_COMPONENT_NOUNHOOK_DLL);
    StartTaskbar(taskbar_);
    InstallSilently();
    MessageBoxWatcher boxes({kRemoveCaption}, IDOK);
    RunHoralume(horalume_, "/U");
    ASSERT_NE(horalume_.WaitForExit(10000), -1);
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].text, "Cannot find hook function.");
    EXPECT_TRUE(testkit::IsComponentInstalled());
}

TEST_F(StartUp, SlowComponentGetsOneWarningAndALongerStoredWait)
{
    UseComponent(FAKE_COMPONENT_DLL);
    StartTaskbar(taskbar_);
    WriteSetting("InstallTime", 200);
    WriteFakeComponentDelay("InstallDelay", 1000);
    MessageBoxWatcher boxes({kInstallCaption}, IDOK);
    InstallSilently();
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].text.rfind("Horalume could not load in the allocated time.\n\nThe loading time", 0), 0u);
    EXPECT_EQ(ReadSetting("InstallTime", 0), 10200);
}

TEST_F(StartUp, ZeroOrNegativeInstallTimeNeedsNoWarningFromAPromptComponent)
{
    UseComponent(FAKE_COMPONENT_DLL);
    StartTaskbar(taskbar_);
    MessageBoxWatcher boxes({kInstallCaption}, IDOK);
    WriteSetting("InstallTime", 0); // the component answers during the hook itself
    InstallSilently();

    RunHoralume(horalume_, "/U");
    ASSERT_NE(horalume_.WaitForExit(10000), -1);
    WriteSetting("InstallTime", -5); // read as the default, not as an endless wait
    WriteFakeComponentDelay("InstallDelay", 500);
    InstallSilently();
    EXPECT_TRUE(boxes.Seen().empty());
    EXPECT_EQ(ReadSetting("InstallTime", 0), -5);
}

TEST_F(StartUp, RemovalTimeOutKeepsTheStoredWait)
{
    UseComponent(FAKE_COMPONENT_DLL);
    StartTaskbar(taskbar_);
    InstallSilently();
    WriteSetting("InstallTime", 300);
    WriteFakeComponentDelay("RemoveDelay", kNever);
    MessageBoxWatcher boxes({kRemoveCaption}, IDOK);
    RunHoralume(horalume_, "/U");
    ASSERT_NE(horalume_.WaitForExit(10000), -1);
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].text, "Horalume could not unload in the allocated time.");
    EXPECT_EQ(ReadSetting("InstallTime", 0), 300);
}

} // namespace
