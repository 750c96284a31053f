// Horalume.exe with the real clock component in the stand-in taskbar:
// installing, the settings reaching the clock, removing.
#include "horalume/loader/tests/ComponentFixture.h"
#include "horalume/settings/SettingsStore.h"
#include "win32/RegKey.h"

#include <windows.h>

#include <prsht.h>

#include <gtest/gtest.h>

#include <string>

namespace {

class WithComponent : public ComponentFixture {
protected:
    WithComponent() : ComponentFixture("horalume-e2e") {}

    static void WriteClockFormat(const char* format)
    {
        RegKeyWriter settings;
        settings.Create(HKEY_CURRENT_USER, kHoralumeKey, kSettingsSubkey);
        settings.WriteString("ClockFormatString", format);
    }
};

TEST_F(WithComponent, SilentInstallTakesOverTheClockWithTheStoredFormatAndUninstallGivesItBack)
{
    WriteSetting("ShowProperties", 0);
    WriteClockFormat("'decimal 'HH'|'%DC%");
    RunHoralume();
    ASSERT_NE(horalume_.WaitForExit(15000), -1);
    ASSERT_TRUE(testkit::IsComponentInstalled());
    EXPECT_FALSE(taskbar_.ClockProcedureIsOriginal());

    ASSERT_TRUE(testkit::PokeElement("DC", "4::56::78"));
    std::string shown;
    EXPECT_TRUE(testkit::WaitForClockText("4::56::78", 5000, &shown)) << shown;
    EXPECT_NE(shown.find("decimal "), std::string::npos) << shown;

    RunHoralume("/U");
    ASSERT_NE(horalume_.WaitForExit(15000), -1);
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
    ASSERT_NE(horalume_.WaitForExit(10000), -1);
    EXPECT_TRUE(testkit::IsComponentInstalled());
}

} // namespace
