// The properties sheet in this process, with Horalume's resources linked in
// and a window of the clock's class that counts the settings pushed to it.
#include "horalume/loader/tests/TestSupport.h"
#include "horalume/props/PropertiesSheet.h"
#include "resources/horalume/HoralumeResources.h"
#include "win32/Win32Handles.h"
#include "win32/WindowBinding.h"

#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

int g_pushes = 0;

LRESULT CALLBACK CountingClockProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COPYDATA && reinterpret_cast<const COPYDATASTRUCT*>(lParam)->cbData == 536) {
        ++g_pushes;
        return TRUE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

UINT PageIdOf(HWND page)
{
    return DialogObject<PageDialog>(page)->DialogId();
}

class Sheet : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearHoralumeRegistry();
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = CountingClockProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "CountingClock";
        RegisterClassA(&windowClass);
        clock_ = CreateWindowA("CountingClock", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        StartRun();
    }

    void TearDown() override
    {
        if (sheet_ != nullptr) {
            DestroyWindow(sheet_);
        }
        DestroyWindow(clock_);
        ClearHoralumeRegistry();
    }

    // A fresh SheetState, as at the start of a run on an NT system.
    void StartRun()
    {
        state_ = SheetState{};
        state_.instance = GetModuleHandleA(nullptr);
        state_.session.clockWindow = clock_;
        state_.system.isNT = true;
        g_pushes = 0;
    }

    void Open()
    {
        pages_ = std::make_unique<PropertiesSheet>(state_);
        sheet_ = pages_->Open();
        ASSERT_NE(sheet_, nullptr);
    }

    UINT CurrentPageId() const { return PageIdOf(PropSheet_GetCurrentPageHwnd(sheet_)); }

    int CurrentTab() const { return TabCtrl_GetCurSel(PropSheet_GetTabControl(sheet_)); }

    void VisitAllPages()
    {
        for (int tab = 0; tab < 6; ++tab) {
            PropSheet_SetCurSel(sheet_, nullptr, tab);
        }
    }

    // Presses a button and lets the sheet finish, as the program's loop would.
    void Close(int button)
    {
        PropSheet_PressButton(sheet_, button);
        ASSERT_TRUE(WaitUntil([this] { return PropSheet_GetCurrentPageHwnd(sheet_) == nullptr; }, 5000));
        DestroyWindow(sheet_);
        sheet_ = nullptr;
    }

    SheetState state_;
    std::unique_ptr<PropertiesSheet> pages_;
    HWND clock_ = nullptr;
    HWND sheet_ = nullptr;
};

TEST_F(Sheet, OpensShownWithItsCaptionAndPushesTheStoredSettings)
{
    Open();
    char caption[64] = "";
    GetWindowTextA(sheet_, caption, sizeof caption);
    EXPECT_STREQ(caption, "Horalume Properties");
    EXPECT_TRUE(IsWindowVisible(sheet_));
    EXPECT_GE(g_pushes, 1); // the start page pushes again as it fills its edit boxes
    EXPECT_EQ(PropSheet_GetTabControl(sheet_) != nullptr, true);
    EXPECT_EQ(TabCtrl_GetItemCount(PropSheet_GetTabControl(sheet_)), 6);
}

TEST_F(Sheet, StoredPageSelectsTheStartTab)
{
    const struct {
        std::int32_t page;
        int tab;
        UINT id;
    } cases[] = {{2004, 2, 2004}, {2003, 5, 2003}, {2005, 3, 2005}, {2002, 4, 2002}, {2006, 0, 2000}, {0, 0, 2000}};
    for (const auto& c : cases) {
        WriteSetting("Page", c.page);
        Open();
        EXPECT_EQ(CurrentTab(), c.tab) << c.page;
        EXPECT_EQ(CurrentPageId(), c.id) << c.page;
        Close(PSBTN_CANCEL);
        StartRun();
    }
}

TEST_F(Sheet, TabsFollowTheirOrderWithCaptionsFromTheTemplates)
{
    Open();
    const char* expected[] = {"Clock", "Tooltip / Copy", "Calendar", "Menu", "Advanced", "About"};
    HWND tabs = PropSheet_GetTabControl(sheet_);
    for (int i = 0; i < 6; ++i) {
        char text[64] = "";
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(tabs, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        EXPECT_STREQ(text, expected[i]);
    }
}

TEST_F(Sheet, CancelAfterVisitingAllPagesRestoresTheClockOnce)
{
    Open();
    VisitAllPages();
    ASSERT_EQ(CurrentPageId(), 2003u);
    const int pushesBefore = g_pushes;
    Close(PSBTN_CANCEL);
    EXPECT_EQ(g_pushes, pushesBefore + 1);
    EXPECT_EQ(ReadSetting("Page", 0), 2003);
    EXPECT_FALSE(SettingExists("ShowProperties")); // nothing saved
}

TEST_F(Sheet, OkAfterVisitingAllPagesSavesOnce)
{
    Open();
    VisitAllPages();
    PropSheet_SetCurSel(sheet_, nullptr, 2);
    const int pushesBefore = g_pushes;
    Close(PSBTN_OK);
    EXPECT_EQ(g_pushes, pushesBefore); // OK saves, it pushes nothing
    EXPECT_EQ(ReadSetting("ShowProperties", 1), 0);
    EXPECT_EQ(ReadSetting("Version", 0), 0x10402);
    EXPECT_EQ(ReadSetting("Page", 0), 2004);
}

TEST_F(Sheet, StoredPositionIsKeptOnTheScreen)
{
    const int areaWidth = GetSystemMetrics(SM_CXFULLSCREEN);
    const int areaHeight = GetSystemMetrics(SM_CYFULLSCREEN);
    WriteSetting("Left", 5000);
    WriteSetting("Top", -20);
    Open();
    RECT frame;
    GetWindowRect(sheet_, &frame);
    EXPECT_EQ(frame.left, areaWidth - (frame.right - frame.left));
    EXPECT_EQ(frame.top, 0);
    Close(PSBTN_CANCEL);

    ClearHoralumeRegistry();
    StartRun();
    Open();
    GetWindowRect(sheet_, &frame);
    EXPECT_EQ(frame.left, (areaWidth - (frame.right - frame.left)) / 2);
    EXPECT_EQ(frame.top, (areaHeight - (frame.bottom - frame.top)) / 2);
}

TEST_F(Sheet, ResourceMeterWarningShowsOnceAndNeverOnNT)
{
    MessageBoxWatcher boxes({"Horalume"}, IDNO);
    Open(); // NT
    VisitAllPages();
    Close(PSBTN_CANCEL);
    EXPECT_TRUE(boxes.Seen().empty());

    StartRun();
    state_.system.isNT = false;
    Open();
    VisitAllPages();
    ASSERT_TRUE(boxes.WaitForCount(1, 5000));
    Close(PSBTN_CANCEL);
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].text.rfind("The system file RSRC32.DLL is not available.\n\nThis is a warning only.", 0),
              0u);
    EXPECT_EQ(ReadSetting("WarnRSRC32", 1), 0);

    StartRun(); // a later run of a 9x system
    state_.system.isNT = false;
    Open();
    VisitAllPages();
    Close(PSBTN_CANCEL);
    EXPECT_EQ(boxes.Seen().size(), 1u);
}

TEST_F(Sheet, AboutLinksAreBlueOnTransparentWithTheUnderlinedFont)
{
    WriteSetting("Page", 2003);
    Open();
    HWND page = PropSheet_GetCurrentPageHwnd(sheet_);
    HWND link = GetDlgItem(page, IDC_WEB_LINK);
    ASSERT_NE(link, nullptr);
    ASSERT_NE(state_.fonts.link.Get(), nullptr);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(link, WM_GETFONT, 0, 0)), state_.fonts.link.Get());
    LOGFONTA font;
    GetObjectA(state_.fonts.link.Get(), sizeof font, &font);
    EXPECT_EQ(font.lfUnderline, 1);

    WindowDC linkDC(link);
    HDC dc = linkDC.Get();
    SetTextColor(dc, RGB(1, 2, 3));
    const LRESULT brush = SendMessageA(page, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(GetDlgItem(page, IDC_MAIL_LINK)));
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), GetStockObject(NULL_BRUSH));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 255));
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);

    ASSERT_NE(state_.fonts.formatEdit.Get(), nullptr);
    GetObjectA(state_.fonts.formatEdit.Get(), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, "Courier New");
    EXPECT_EQ(font.lfPitchAndFamily, FIXED_PITCH | FF_MODERN);
}

BOOL CALLBACK CollectControlIds(HWND child, LPARAM ids)
{
    const int id = GetDlgCtrlID(child);
    if (id != 0) {
        reinterpret_cast<std::vector<int>*>(ids)->push_back(id);
    }
    return TRUE;
}

TEST_F(Sheet, EveryPageHoldsItsControlsInTabOrder)
{
    const std::vector<int> expected[] = {
        {2101, 2100, 2103, 2104, 2102, 2105, 2106, 2107, 2109, 2108, 2110},
        {2120, 2121, 2123, 2122, 2130, 2131, 2132, 2133, 2134},
        {2180, 2181, 2182, 2183, 2184, 2171, 2172, 2173, 2174, 2175, 2176, 2170, 2186, 2185, 2187},
        {2191, 2190, 2193, 2192, 2195, 2194, 2196},
        {2140, 2141, 2142, 2143, 2144, 2145, 2146, 2147, 2149, 2150, 2148},
        {2160, 2161},
    };
    Open();
    for (int tab = 0; tab < 6; ++tab) {
        PropSheet_SetCurSel(sheet_, nullptr, tab);
        std::vector<int> ids;
        EnumChildWindows(PropSheet_GetCurrentPageHwnd(sheet_), CollectControlIds, reinterpret_cast<LPARAM>(&ids));
        EXPECT_EQ(ids, expected[tab]) << "tab " << tab;
    }
}

} // namespace
