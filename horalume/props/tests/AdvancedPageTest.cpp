#include "horalume/loader/tests/TestSupport.h"
#include "horalume/props/tests/OptionPagesFixture.h"
#include "resources/horalume/HoralumeResources.h"

namespace {

constexpr std::uint32_t kCpuFlags = DisplayFlag::CpuMonitor | DisplayFlag::CpuUsageLine;

class AdvancedPage : public OptionPageFixture {
protected:
    void SetUp() override
    {
        OptionPageFixture::SetUp();
        ClearHoralumeRegistry();
        RemoveRunValue();
    }

    void TearDown() override
    {
        OptionPageFixture::TearDown();
        ClearHoralumeRegistry();
        RemoveRunValue();
    }
};

TEST_F(AdvancedPage, OnNtTheCpuGroupIsCaptionedAndGreyWhileTheStoredFlagsAreSavedUnchanged)
{
    Record().displayFlags = DisplayFlag::Defaults | kCpuFlags; // PhysicalRamOnly clear
    OpenPage(IDD_ADVANCED_PAGE);

    EXPECT_EQ(Text(IDC_CPU_GROUP), "CPU usage (not available with Windows NT)");
    EXPECT_EQ(Text(IDC_MEMORY_GROUP), "Memory load (limited with Windows NT)");
    for (int id : {IDC_CPU_MONITOR, IDC_CPU_USAGE_LINE}) {
        EXPECT_FALSE(IsOn(id)) << id;
    }
    for (int id : {IDC_CPU_MONITOR, IDC_CPU_USAGE_LINE, IDC_CPU_COLOUR, IDC_PHYSICAL_RAM_ONLY, IDC_MEMORY_COLOUR}) {
        EXPECT_FALSE(IsEnabled(id)) << id;
    }
    EXPECT_TRUE(IsOn(IDC_PHYSICAL_RAM_ONLY));

    // The memory line still works, its colour stays grey.
    Click(IDC_MEMORY_LOAD_LINE);
    EXPECT_TRUE(PushedFlag(DisplayFlag::MemoryLoadLine));
    EXPECT_FALSE(IsEnabled(IDC_MEMORY_COLOUR));
    EXPECT_EQ(LastPush().displayFlags & kCpuFlags, kCpuFlags);
    EXPECT_FALSE(PushedFlag(DisplayFlag::PhysicalRamOnly));

    Notify(PSN_APPLY);
    EXPECT_EQ(static_cast<std::uint32_t>(ReadSetting("DisplayFlags", 0)),
              DisplayFlag::Defaults | kCpuFlags | DisplayFlag::MemoryLoadLine);
}

TEST_F(AdvancedPage, On9xTheCpuSwitchGreysItsLineAndColourWithoutChangingTheLine)
{
    RunOnWindows9x();
    Record().displayFlags = DisplayFlag::Defaults | kCpuFlags | DisplayFlag::PhysicalRamOnly;
    OpenPage(IDD_ADVANCED_PAGE);
    EXPECT_EQ(Text(IDC_CPU_GROUP), "CPU usage");
    EXPECT_EQ(Text(IDC_MEMORY_GROUP), "Memory load");
    EXPECT_TRUE(IsOn(IDC_CPU_MONITOR));
    EXPECT_TRUE(IsOn(IDC_CPU_USAGE_LINE));
    EXPECT_TRUE(IsEnabled(IDC_CPU_COLOUR));
    EXPECT_TRUE(IsEnabled(IDC_PHYSICAL_RAM_ONLY));

    Click(IDC_CPU_MONITOR);
    EXPECT_FALSE(PushedFlag(DisplayFlag::CpuMonitor));
    EXPECT_TRUE(PushedFlag(DisplayFlag::CpuUsageLine));
    EXPECT_FALSE(IsEnabled(IDC_CPU_USAGE_LINE));
    EXPECT_FALSE(IsEnabled(IDC_CPU_COLOUR));

    Click(IDC_PHYSICAL_RAM_ONLY);
    EXPECT_FALSE(PushedFlag(DisplayFlag::PhysicalRamOnly));
}

TEST_F(AdvancedPage, ChoosingAColourSwitchesItsLineOnAndCancellingChangesNothing)
{
    RunOnWindows9x();
    Record().displayFlags = DisplayFlag::Defaults | DisplayFlag::CpuMonitor;
    Record().memLoadColor = RGB(1, 1, 1);
    OpenPage(IDD_ADVANCED_PAGE);
    ASSERT_FALSE(IsEnabled(IDC_MEMORY_COLOUR));

    // The button is grey while the line is off, but the handler does not rely on that.
    ColourDialog::pressOk = false;
    Click(IDC_CPU_COLOUR);
    SendMessageA(page_, WM_COMMAND, MAKEWPARAM(IDC_MEMORY_COLOUR, BN_CLICKED), 0);
    EXPECT_EQ(ColourDialog::shown, 2);
    EXPECT_TRUE(Pushes().empty());
    EXPECT_FALSE(IsOn(IDC_MEMORY_LOAD_LINE));
    EXPECT_EQ(Record().memLoadColor, RGB(1, 1, 1));

    ColourDialog::pressOk = true;
    ColourDialog::choice = RGB(200, 0, 0);
    SendMessageA(page_, WM_COMMAND, MAKEWPARAM(IDC_MEMORY_COLOUR, BN_CLICKED), 0);
    EXPECT_EQ(ColourDialog::title, "Memory Load Colour");
    EXPECT_EQ(ColourDialog::seen.rgbResult, RGB(1, 1, 1));
    EXPECT_EQ(LastPush().memLoadColor, RGB(200, 0, 0));
    EXPECT_TRUE(PushedFlag(DisplayFlag::MemoryLoadLine));
    EXPECT_TRUE(IsOn(IDC_MEMORY_LOAD_LINE));
    EXPECT_TRUE(IsEnabled(IDC_MEMORY_COLOUR));

    ColourDialog::choice = RGB(0, 0, 200);
    Click(IDC_CPU_COLOUR);
    EXPECT_EQ(ColourDialog::title, "CPU Usage Colour");
    EXPECT_EQ(LastPush().cpuColor, RGB(0, 0, 200));
    EXPECT_TRUE(PushedFlag(DisplayFlag::CpuUsageLine));
    EXPECT_TRUE(IsOn(IDC_CPU_USAGE_LINE));
}

TEST_F(AdvancedPage, AppletBoxFollowsTheAppletFileAndPushesNothing)
{
    OpenPage(IDD_ADVANCED_PAGE); // no HORALUME.CPL
    EXPECT_FALSE(IsOn(IDC_SHOW_IN_CONTROL_PANEL));
    EXPECT_FALSE(IsEnabled(IDC_SHOW_IN_CONTROL_PANEL));
    DestroyWindow(page_);

    state_.session.switches.appletPresent = true;
    state_.session.switches.appletEnabled = true;
    OpenPage(IDD_ADVANCED_PAGE);
    EXPECT_TRUE(IsOn(IDC_SHOW_IN_CONTROL_PANEL));
    EXPECT_TRUE(IsEnabled(IDC_SHOW_IN_CONTROL_PANEL));
    Click(IDC_SHOW_IN_CONTROL_PANEL);
    EXPECT_FALSE(state_.session.switches.appletEnabled);
    EXPECT_TRUE(Pushes().empty());
}

TEST_F(AdvancedPage, AutostartIsWrittenByOkOnlyAndCancelLeavesTheRunKeyAlone)
{
    OpenPage(IDD_ADVANCED_PAGE);
    EXPECT_FALSE(IsOn(IDC_AUTOSTART));
    Click(IDC_AUTOSTART);
    EXPECT_TRUE(state_.session.switches.autostart);
    EXPECT_TRUE(Pushes().empty());
    EXPECT_EQ(RunValue(), "");

    Notify(PSN_RESET);
    EXPECT_EQ(RunValue(), "");
    EXPECT_FALSE(state_.session.switches.autostart); // reloaded

    DestroyWindow(page_);
    OpenPage(IDD_ADVANCED_PAGE);
    Click(IDC_AUTOSTART);
    Notify(PSN_APPLY);
    char program[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, program, sizeof program);
    EXPECT_EQ(RunValue(), program);
}

TEST_F(AdvancedPage, ExitRemovesTheComponentAndPressesCancel)
{
    OpenPage(IDD_ADVANCED_PAGE);
    Click(IDC_EXIT_HORALUME);
    EXPECT_EQ(removals, 1);
    MSG posted{};
    ASSERT_TRUE(PeekMessageA(&posted, sheet_, PSM_PRESSBUTTON, PSM_PRESSBUTTON, PM_REMOVE));
    EXPECT_EQ(posted.wParam, static_cast<WPARAM>(PSBTN_CANCEL));
    EXPECT_TRUE(Pushes().empty()); // the sheet's Cancel pushes the stored settings
}

} // namespace
