// Horalume.exe with the real clock component in the stand-in taskbar:
// installing, the settings reaching the clock, removing.
#include <windows.h>

#include <prsht.h>

#include <gtest/gtest.h>

#include <string>

#include "RegKey.h"
#include "SettingsStore.h"
#include "TaskbarTestKit.h"
#include "TestSupport.h"

namespace {

class WithComponent : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearHoralumeRegistry();
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        directory_ = std::string(temp) + "horalume-e2e-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(directory_.c_str(), nullptr);
        ASSERT_TRUE(CopyFileA(WindowsPath(HORALUME_EXE).c_str(), (directory_ + "\\Horalume.exe").c_str(), FALSE));
        ASSERT_TRUE(CopyFileA(WindowsPath(HORALUME_DLL).c_str(), (directory_ + "\\HORALUME.DLL").c_str(), FALSE));
        ASSERT_TRUE(taskbar_.Start());
    }

    void TearDown() override
    {
        horalume_.Kill();
        if (testkit::IsComponentInstalled()) {
            testkit::RemoveClockComponent(directory_ + "\\HORALUME.DLL");
        }
        taskbar_.Stop();
        DeleteFileA((directory_ + "\\Horalume.exe").c_str());
        DeleteFileA((directory_ + "\\HORALUME.DLL").c_str());
        RemoveDirectoryA(directory_.c_str());
        ClearHoralumeRegistry();
    }

    void RunHoralume(const char* arguments = "")
    {
        ASSERT_TRUE(horalume_.Start("\"" + directory_ + "\\Horalume.exe\" " + arguments, directory_));
    }

    static void WriteClockFormat(const char* format)
    {
        RegKeyWriter settings;
        settings.Create(HKEY_CURRENT_USER, kHoralumeKey, kSettingsSubkey);
        settings.WriteString("ClockFormatString", format);
    }

    std::string directory_;
    testkit::StandInTaskbar taskbar_;
    ChildProcess horalume_;
};

TEST_F(WithComponent, SilentInstallTakesOverTheClockWithTheStoredFormatAndUninstallGivesItBack)
{
    WriteSetting("ShowProperties", 0);
    WriteClockFormat("'decimal 'HH'|'%DC%");
    RunHoralume();
    ASSERT_TRUE(horalume_.WaitForExit(15000));
    ASSERT_TRUE(testkit::IsComponentInstalled());
    EXPECT_FALSE(taskbar_.ClockProcedureIsOriginal());

    ASSERT_TRUE(testkit::PokeElement("DC", "4::56::78"));
    std::string shown;
    EXPECT_TRUE(testkit::WaitForClockText("4::56::78", 5000, &shown)) << shown;
    EXPECT_NE(shown.find("decimal "), std::string::npos) << shown;

    RunHoralume("/U");
    ASSERT_TRUE(horalume_.WaitForExit(15000));
    EXPECT_FALSE(testkit::IsComponentInstalled());
    EXPECT_TRUE(taskbar_.ClockProcedureIsOriginal());
}

TEST_F(WithComponent, FirstStartOpensTheSheetAndCancelKeepsTheComponent)
{
    RunHoralume();
    HWND sheet = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            sheet = FindWindowA("#32770", "Horalume Properties");
            return sheet != nullptr && IsWindowVisible(sheet);
        },
        15000));
    EXPECT_TRUE(testkit::IsComponentInstalled());
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    ASSERT_TRUE(horalume_.WaitForExit(10000));
    EXPECT_TRUE(testkit::IsComponentInstalled());
}

} // namespace
