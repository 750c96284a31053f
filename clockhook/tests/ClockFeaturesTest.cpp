// What the clock does with each setting, driven from outside as a user would:
// clicks, right clicks, the mouse resting on it, the hot key; read back from
// the clipboard, the open menu and the screen.
#include "clockhook/ClockMenu.h"
#include "clockhook/tests/ClockFeaturesFixture.h"
#include "taskbar/testing/FakeHoralume.h"

#include <commctrl.h>

using namespace testkit;

namespace {

TEST_F(ClockFeatures, DoubleClickCopiesAndIsNeverTakenForASingleClick)
{
    ClockSettings settings = Settings(ClockCommand::Calendar, ClockCommand::Copy);
    SetText(settings.copyFormatString, "'first'|'second'");
    ASSERT_TRUE(PushSettings(settings));
    DoubleClickClock();
    std::string text;
    EXPECT_TRUE(WaitForClipboardText("first\r\nsecond", 10000, &text)) << text;
    Sleep(GetDoubleClickTime() + 300);
    EXPECT_EQ(FindProcessWindow(kCalendarWindowClass, taskbar_.ProcessId()), nullptr)
        << "the double click's first half did not open the calendar";

    // A single click waits out the double-click time, then runs.
    ClickClock();
    EXPECT_NE(Calendar(), nullptr);
}

TEST_F(ClockFeatures, CopyTakesTheClockOrTheTooltipFormatWhenAsked)
{
    ClockSettings settings = Settings(ClockCommand::Copy, ClockCommand::DoNothing);
    SetText(settings.clockFormatString, "'clock'");
    SetText(settings.tooltipFormatString, "'tip'|'two'");
    settings.displayFlags |= DisplayFlag::CustomTooltip | DisplayFlag::CopySameAsTooltip;
    ASSERT_TRUE(PushSettings(settings));
    ClickClock();
    std::string text;
    EXPECT_TRUE(WaitForClipboardText("tip\r\ntwo", 10000, &text)) << text;

    settings.displayFlags |= DisplayFlag::CopySameAsClock;
    ASSERT_TRUE(PushSettings(settings));
    ClickClock();
    EXPECT_TRUE(WaitForClipboardText("clock", 10000, &text)) << text;

    // An empty text leaves the clipboard alone.
    settings.displayFlags &= ~(DisplayFlag::CopySameAsClock | DisplayFlag::CopySameAsTooltip);
    SetText(settings.copyFormatString, "");
    ASSERT_TRUE(PushSettings(settings));
    ClickClock();
    Sleep(500);
    EXPECT_EQ(ClipboardText(), "clock");
}

TEST_F(ClockFeatures, DoNothingAndWindowsDefaultLeaveTheClickAlone)
{
    ASSERT_TRUE(PushSettings(Settings(ClockCommand::DoNothing, ClockCommand::WindowsDefault)));
    DoubleClickClock();
    ClickClock();
    Sleep(GetDoubleClickTime() + 300);
    EXPECT_EQ(ClipboardText(), "before");
    EXPECT_EQ(FindProcessWindow(kCalendarWindowClass, taskbar_.ProcessId()), nullptr);
    EXPECT_TRUE(taskbar_.IsRunning());
}

TEST_F(ClockFeatures, MenuPutsTheComponentItemsIntoThePlainClockMenu)
{
    ASSERT_TRUE(PushSettings(Settings(ClockCommand::DoNothing, ClockCommand::DoNothing)));
    RightClickClock();
    std::optional<std::vector<std::string>> items = OpenMenuItems();
    ASSERT_TRUE(items.has_value());
    // The defaults put them at the bottom, under a banner.
    std::string banner = "[owner-drawn #" + std::to_string(kMenuBannerId) + "]";
    EXPECT_EQ(*items, (std::vector<std::string>{"&Adjust Date/Time", "Close &Taskbar", "-", banner,
                                                "Horalume Properties", "Calendar", "Copy"}));
    // Up to the last item, "Copy", and choose it.
    ASSERT_TRUE(PressMenuKeys({VK_UP, VK_RETURN}));
    EXPECT_TRUE(WaitForMenuClosed());
    std::string text;
    EXPECT_TRUE(WaitForClipboardText("copied", 10000, &text)) << text;
}

TEST_F(ClockFeatures, MenuOptionsOrderTheItems)
{
    ClockSettings settings = Settings(ClockCommand::DoNothing, ClockCommand::DoNothing);
    settings.displayFlags |= DisplayFlag::NewItemsAtBottom | DisplayFlag::BoothMode | DisplayFlag::FancyBanner;
    ASSERT_TRUE(PushSettings(settings));
    RightClickClock();
    std::optional<std::vector<std::string>> items = OpenMenuItems();
    ASSERT_TRUE(items.has_value());
    EXPECT_EQ(*items, (std::vector<std::string>{"&Adjust Date/Time", "Close &Taskbar", "-", "Calendar", "Copy"}))
        << "booth mode: no properties and no banner";
    PressMenuKeys({VK_ESCAPE, VK_ESCAPE});
    ASSERT_TRUE(WaitForMenuClosed());

    settings.displayFlags &= ~(DisplayFlag::NewItemsAtBottom | DisplayFlag::BoothMode);
    ASSERT_TRUE(PushSettings(settings));
    RightClickClock();
    items = OpenMenuItems();
    ASSERT_TRUE(items.has_value());
    ASSERT_FALSE(items->empty());
    EXPECT_EQ(items->front(), "[owner-drawn #" + std::to_string(kMenuBannerId) + "]");
    EXPECT_EQ(items->at(1), "Horalume Properties");
    PressMenuKeys({VK_ESCAPE, VK_ESCAPE});
    EXPECT_TRUE(WaitForMenuClosed());
}

// The tooltip window of the taskbar process, while it is shown.
HWND ShownTooltip(DWORD processId, DWORD timeoutMs)
{
    return WaitForProcessWindow(TOOLTIPS_CLASSA, processId, timeoutMs);
}

std::string WindowText(HWND window)
{
    char text[256] = "";
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

void RestMouseOnClock()
{
    RECT clock;
    GetWindowRect(FindClockWindow(), &clock);
    SetCursorPos((clock.left + clock.right) / 2, (clock.top + clock.bottom) / 2);
    PostMessageA(FindClockWindow(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
}

TEST_F(ClockFeatures, TooltipShowsItsFormatAndStaysOnlyWhenAsked)
{
    ClockSettings settings = Settings(ClockCommand::DoNothing, ClockCommand::DoNothing);
    SetText(settings.tooltipFormatString, "'tip'|'two'");
    settings.displayFlags |= DisplayFlag::CustomTooltip | DisplayFlag::TooltipStays;
    ASSERT_TRUE(PushSettings(settings));
    RestMouseOnClock();
    HWND tip = ShownTooltip(taskbar_.ProcessId(), 10000);
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(WindowText(tip), "tip\r\ntwo");
    RECT tipRect, clockRect;
    GetWindowRect(tip, &tipRect);
    GetWindowRect(FindClockWindow(), &clockRect);
    EXPECT_LE(tipRect.bottom, clockRect.top) << "above the clock";
    Sleep(GetDoubleClickTime() * 10 + 1000);
    EXPECT_TRUE(IsWindowVisible(tip)) << "TooltipStays: not hidden after the usual time";
    SetCursorPos(5, 5);
    EXPECT_TRUE(WaitUntil([tip] { return !IsWindowVisible(tip); }, 10000)) << "hidden once the mouse left";

    // Without TooltipStays it goes by itself; without CustomTooltip it shows
    // the long date over the long time.
    settings.displayFlags &= ~(DisplayFlag::CustomTooltip | DisplayFlag::TooltipStays);
    ASSERT_TRUE(PushSettings(settings));
    RestMouseOnClock();
    tip = ShownTooltip(taskbar_.ProcessId(), 10000);
    ASSERT_NE(tip, nullptr);
    std::string text = WindowText(tip);
    EXPECT_NE(text.find("\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find(':'), std::string::npos) << text;
    Sleep(GetDoubleClickTime() * 10 + 1000);
    EXPECT_FALSE(IsWindowVisible(tip));
}

// As everywhere in Windows, a click on the clock keeps the tooltip away
// until the mouse leaves the clock and comes back: it never pops up over the
// calendar the click opened while the mouse rests there.
TEST_F(ClockFeatures, AClickKeepsTheTooltipAwayUntilTheMouseComesBack)
{
    ClockSettings settings = Settings(ClockCommand::Calendar, ClockCommand::DoNothing);
    SetText(settings.tooltipFormatString, "'tip'");
    settings.displayFlags |= DisplayFlag::CustomTooltip | DisplayFlag::TooltipStays;
    ASSERT_TRUE(PushSettings(settings));
    RestMouseOnClock();
    ClickClock();
    HWND calendar = Calendar();
    ASSERT_NE(calendar, nullptr);
    UINT hoverMs = 400;
    SystemParametersInfoA(SPI_GETMOUSEHOVERTIME, 0, &hoverMs, 0);
    EXPECT_EQ(ShownTooltip(taskbar_.ProcessId(), 3 * hoverMs + 1000), nullptr) << "up while the mouse rested";
    EXPECT_TRUE(Close(calendar));

    SetCursorPos(5, 5);
    Sleep(500);
    RestMouseOnClock();
    EXPECT_NE(ShownTooltip(taskbar_.ProcessId(), 10000), nullptr) << "back after the mouse left";
}

COLORREF ScreenPixel(int x, int y)
{
    HDC screen = GetDC(nullptr);
    COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
}

// The clock paints after the record is taken, not while it is.
bool WaitForPixel(int x, int y, COLORREF expected, COLORREF* last)
{
    return WaitUntil([&] { return (*last = ScreenPixel(x, y)) == expected; }, 10000);
}

TEST_F(ClockFeatures, MonitorLinesRunAlongTheEdges)
{
    ClockSettings settings = Settings(ClockCommand::DoNothing, ClockCommand::DoNothing);
    SetText(settings.clockFormatString, "'monitor lines'");
    settings.displayFlags |= DisplayFlag::CustomColours | DisplayFlag::MemoryLoadLine | DisplayFlag::CpuMonitor |
                             DisplayFlag::CpuUsageLine | DisplayFlag::PhysicalRamOnly;
    settings.backgroundColor = RGB(0, 0, 0);
    settings.memLoadColor = RGB(0, 0, 255);
    settings.cpuColor = RGB(255, 0, 0);
    ASSERT_TRUE(PushSettings(settings));
    RECT clock;
    GetWindowRect(FindClockWindow(), &clock);
    COLORREF top = 0;
    EXPECT_TRUE(WaitForPixel(clock.left, clock.top, RGB(0, 0, 255), &top))
        << "memory load along the top " << std::hex << top;
    // The CPU line needs two samples and may show 0%.
    Sleep(1100);
    COLORREF bottomLeft = ScreenPixel(clock.left, clock.bottom - 1);
    EXPECT_TRUE(bottomLeft == RGB(255, 0, 0) || bottomLeft == RGB(0, 0, 0)) << std::hex << bottomLeft;

    settings.displayFlags &= ~(DisplayFlag::MemoryLoadLine | DisplayFlag::CpuUsageLine);
    ASSERT_TRUE(PushSettings(settings));
    EXPECT_TRUE(WaitForPixel(clock.left, clock.top, RGB(0, 0, 0), &top)) << std::hex << top;
    EXPECT_EQ(ScreenPixel(clock.left, clock.bottom - 1), RGB(0, 0, 0));
}

TEST_F(ClockFeatures, HotKeyRunsItsCommand)
{
    ClockSettings settings = Settings(ClockCommand::DoNothing, ClockCommand::DoNothing);
    settings.hotkeyCommand = ClockCommand::Copy;
    ASSERT_TRUE(PushSettings(settings));
    INPUT keys[6] = {};
    WORD codes[3] = {VK_LWIN, VK_MENU, 'C'};
    for (int i = 0; i < 3; ++i) {
        keys[i].type = keys[5 - i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = keys[5 - i].ki.wVk = codes[i];
        keys[5 - i].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    SendInput(6, keys, sizeof keys[0]);
    std::string text;
    EXPECT_TRUE(WaitForClipboardText("copied", 10000, &text)) << text;
}

} // namespace

// The properties command starts Horalume.exe from the component's own
// directory: a copy of the component beside a stand-in Horalume.exe.
TEST(ClockPropertiesCommand, StartsHoralumeBesideTheComponent)
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string directory = std::string(temp) + "horalume-props-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(directory.c_str(), nullptr);
    std::string dll = directory + "\\HORALUME.DLL";
    std::string program = directory + "\\Horalume.exe";
    ASSERT_TRUE(CopyFileA(kDll.c_str(), dll.c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(FAKE_HORALUME_PATH, program.c_str(), FALSE));
    {
        StandInTaskbar taskbar;
        ASSERT_TRUE(taskbar.Start());
        ASSERT_TRUE(InstallClockComponent(dll));
        ClockSettings settings = Settings(ClockCommand::Properties, ClockCommand::DoNothing);
        ASSERT_TRUE(PushSettings(settings));
        ClickClock();
        EXPECT_TRUE(WaitUntil([&directory] { return !FakeHoralumeStarts(directory).empty(); }));
        const std::vector<std::string> starts = FakeHoralumeStarts(directory);
        EXPECT_EQ(lstrcmpiA(starts.empty() ? "" : starts[0].c_str(), directory.c_str()), 0);
        EXPECT_TRUE(RemoveClockComponent(dll));
        EXPECT_TRUE(taskbar.IsRunning());
        taskbar.Stop();
    }
    // Under Wine a hooked process keeps the hook's library mapped after the
    // removal, so the copy can go only once the taskbar has ended.
    WaitUntil([&dll] { return DeleteFileA(dll.c_str()) != 0; }, 10000);
    DeleteFileA(program.c_str());
    DeleteFakeHoralumeLog(directory);
    RemoveDirectoryA(directory.c_str());
}
