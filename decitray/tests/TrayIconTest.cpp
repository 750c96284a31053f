// TrayIcon against the running shell's notification area.
#include "decitray/TrayIcon.h"

#include "decitray/tests/TestSupport.h"
#include "resources/decitray/resource.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const UINT kCallback = WM_APP + 10;
const UINT kIconId = IDI_TRAY;

std::vector<UINT> commands;

LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND) {
        commands.push_back(LOWORD(wParam));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The menu resource lives in this executable (its .rc is linked in).
class TrayIconTest : public testing::Test {
protected:
    void SetUp() override
    {
        commands.clear();
        instance = GetModuleHandleA(nullptr);
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = TargetProc;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = "TrayIconTestTarget";
        RegisterClassA(&windowClass);
        target = CreateWindowExA(0, "TrayIconTestTarget", "", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, nullptr, nullptr,
                                 instance, nullptr);
        ASSERT_NE(target, nullptr);
        icon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_TRAY));
    }
    void TearDown() override { DestroyWindow(target); }

    bool CreateShown(TrayIcon& tray)
    {
        return tray.Create(instance, target, kCallback, "Decitray", icon, kIconId, false);
    }

    HINSTANCE instance = nullptr;
    HWND target = nullptr;
    HICON icon = nullptr;
};

TEST_F(TrayIconTest, AddsHidesOnceAndRemovesAtDestruction)
{
    {
        TrayIcon tray;
        ASSERT_TRUE(CreateShown(tray));
        EXPECT_TRUE(tray.IsShown());
        EXPECT_TRUE(TrayIconExists(target, kIconId));
        EXPECT_NE(tray.OwnWindow(), nullptr);

        EXPECT_TRUE(tray.Hide());
        EXPECT_FALSE(TrayIconExists(target, kIconId));
        EXPECT_TRUE(tray.Hide()); // nothing left to do
        EXPECT_FALSE(tray.IsShown());
    }
    {
        TrayIcon tray;
        ASSERT_TRUE(CreateShown(tray));
        ASSERT_TRUE(TrayIconExists(target, kIconId));
    }
    EXPECT_FALSE(TrayIconExists(target, kIconId));
}

TEST_F(TrayIconTest, CreatedHiddenAddsNothing)
{
    TrayIcon tray;
    EXPECT_TRUE(tray.Create(instance, target, kCallback, "Decitray", icon, kIconId, true));
    EXPECT_FALSE(tray.IsShown());
    EXPECT_FALSE(TrayIconExists(target, kIconId));
}

TEST_F(TrayIconTest, IgnoresOtherIconsAndRunsTheDefaultOnDoubleClick)
{
    TrayIcon tray;
    ASSERT_TRUE(CreateShown(tray));
    ASSERT_TRUE(tray.SetDefaultMenuItem(IDM_ABOUT, false));

    EXPECT_EQ(tray.OnTrayNotification(kIconId + 1, WM_LBUTTONDBLCLK), 0);
    EXPECT_EQ(tray.OnTrayNotification(kIconId + 1, WM_RBUTTONUP), 0);
    EXPECT_TRUE(commands.empty());

    EXPECT_EQ(tray.OnTrayNotification(kIconId, WM_LBUTTONDBLCLK), 1);
    EXPECT_EQ(commands, std::vector<UINT>{IDM_ABOUT});

    // A default given by position is looked up in the menu: position 3 is "&Close Decitray".
    ASSERT_TRUE(tray.SetDefaultMenuItem(3, true));
    EXPECT_EQ(tray.OnTrayNotification(kIconId, WM_LBUTTONDBLCLK), 1);
    EXPECT_EQ(commands.back(), static_cast<UINT>(IDM_EXIT));

    EXPECT_EQ(tray.OnTrayNotification(kIconId, WM_MOUSEMOVE), 1);
    EXPECT_EQ(commands.size(), 2u);
}

TEST_F(TrayIconTest, WithoutItsMenuTheMouseDoesNothing)
{
    // No menu resource has this id; the default stays position 0.
    const UINT idWithoutMenu = 4242;
    TrayIcon tray;
    ASSERT_TRUE(tray.Create(instance, target, kCallback, "Decitray", icon, idWithoutMenu, false));
    EXPECT_EQ(tray.OnTrayNotification(idWithoutMenu, WM_RBUTTONUP), 0);
    EXPECT_EQ(tray.OnTrayNotification(idWithoutMenu, WM_LBUTTONDBLCLK), 0);
    EXPECT_FALSE(tray.SetDefaultMenuItem(IDM_ABOUT, false));
    // A default given by command id needs no menu.
    EXPECT_EQ(tray.OnTrayNotification(idWithoutMenu, WM_LBUTTONDBLCLK), 1);
    EXPECT_EQ(commands, std::vector<UINT>{IDM_ABOUT});
}

// What the popup menu looked like, seen from inside its modal loop.
struct MenuSeen {
    bool shown = false;
    UINT defaultItem = 0;
    WPARAM key = 0;
};
MenuSeen menuSeen;

// Runs inside TrackPopupMenu's loop: looks at the open menu, then presses a key in it.
void CALLBACK DriveMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND menuWindow = FindWindowA("#32768", nullptr);
    if (!menuWindow || !IsWindowVisible(menuWindow)) {
        return;
    }
    KillTimer(nullptr, timer);
    menuSeen.shown = true;
    HMENU menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, 0x01E1 /* MN_GETHMENU */, 0, 0));
    menuSeen.defaultItem = GetMenuDefaultItem(menu, FALSE, 0);
    PostMessageA(menuWindow, WM_KEYDOWN, menuSeen.key, 0);
}

TEST_F(TrayIconTest, RightClickShowsTheMenuWithAboutAsDefault)
{
    TrayIcon tray;
    ASSERT_TRUE(CreateShown(tray));
    ASSERT_TRUE(tray.SetDefaultMenuItem(IDM_ABOUT, false));

    menuSeen = MenuSeen();
    menuSeen.key = 'C'; // "&Close Decitray"
    SetTimer(nullptr, 0, 50, DriveMenu);
    EXPECT_EQ(tray.OnTrayNotification(kIconId, WM_RBUTTONUP), 1);
    EXPECT_TRUE(WaitUntil([] { return !commands.empty(); }, 2000));
    EXPECT_TRUE(menuSeen.shown);
    EXPECT_EQ(menuSeen.defaultItem, static_cast<UINT>(IDM_ABOUT));
    EXPECT_EQ(commands, std::vector<UINT>{IDM_EXIT});

    commands.clear();
    menuSeen = MenuSeen();
    menuSeen.key = VK_ESCAPE; // closes the menu without a command
    SetTimer(nullptr, 0, 50, DriveMenu);
    EXPECT_EQ(tray.OnTrayNotification(kIconId, WM_RBUTTONUP), 1);
    PumpMessagesFor(100);
    EXPECT_TRUE(menuSeen.shown);
    EXPECT_TRUE(commands.empty());
}

TEST_F(TrayIconTest, ComesBackWhenTheTaskbarIsCreatedAgain)
{
    TrayIcon tray;
    ASSERT_TRUE(CreateShown(tray));

    // The shell restarted and forgot the icon.
    NOTIFYICONDATAA forget = {};
    forget.cbSize = NOTIFYICONDATAA_V2_SIZE;
    forget.hWnd = target;
    forget.uID = kIconId;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &forget));
    SendMessageA(tray.OwnWindow(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(TrayIconExists(target, kIconId));
    EXPECT_TRUE(tray.IsShown());

    // A work-area change finds the icon still there; it stays shown and can be hidden.
    SendMessageA(tray.OwnWindow(), WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
    EXPECT_TRUE(tray.IsShown());
    EXPECT_TRUE(tray.Hide());
    EXPECT_FALSE(TrayIconExists(target, kIconId));

    // Once hidden by the user, a new taskbar does not bring it back.
    SendMessageA(tray.OwnWindow(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_FALSE(TrayIconExists(target, kIconId));
}

TEST_F(TrayIconTest, OwnWindowPassesTheCallbackOn)
{
    TrayIcon tray;
    ASSERT_TRUE(tray.Create(instance, nullptr, kCallback, "Decitray", icon, kIconId, false));
    ASSERT_TRUE(tray.SetDefaultMenuItem(IDM_ABOUT, false));
    // Without a target the icon belongs to the own window, which gets the commands.
    EXPECT_TRUE(TrayIconExists(tray.OwnWindow(), kIconId));
    EXPECT_EQ(SendMessageA(tray.OwnWindow(), kCallback, kIconId + 1, WM_LBUTTONDBLCLK), 0);
    EXPECT_EQ(SendMessageA(tray.OwnWindow(), kCallback, kIconId, WM_MOUSEMOVE), 1);
}

} // namespace
