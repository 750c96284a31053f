// Horalume.exe with the real clock component in the stand-in taskbar, driven
// through its sheet from outside as a user would: every change shows on the
// clock at once, OK keeps the settings for the next start, and "E&xit
// Horalume" gives the plain clock back and drops what was not saved.
#include "horalume/loader/tests/ComponentFixture.h"
#include "horalume/settings/SettingsStore.h"
#include "resources/horalume/HoralumeResources.h"
#include "win32/RegKey.h"

#include <windows.h>

#include <prsht.h>

#include <gtest/gtest.h>

#include <string>

namespace {

class WholeSheet : public ComponentFixture {
protected:
    WholeSheet() : ComponentFixture("horalume-sheet") {}

    void SetUp() override
    {
        RemoveRunValue();
        ComponentFixture::SetUp();
    }

    void TearDown() override
    {
        ComponentFixture::TearDown();
        RemoveRunValue();
    }

    static std::int32_t CalendarValue(const char* name)
    {
        RegKeyReader calendar;
        calendar.Open(HKEY_CURRENT_USER, kHoralumeKey, kCalendarSubkey);
        return calendar.ReadDword(name, -99);
    }

    static std::string StoredClockFormat()
    {
        RegKeyReader settings;
        settings.Open(HKEY_CURRENT_USER, kHoralumeKey, kSettingsSubkey);
        char format[120] = "";
        settings.ReadString("ClockFormatString", "", format, sizeof format);
        return format;
    }

    // Starts Horalume and waits for its sheet.
    void OpenSheet()
    {
        RunHoralume();
        ASSERT_TRUE(WaitUntil(
            [this] {
                sheet_ = FindWindowA("#32770", "Horalume Properties");
                return sheet_ != nullptr && IsWindowVisible(sheet_);
            },
            15000));
    }

    HWND ShowPage(UINT dialogId)
    {
        SendMessageA(sheet_, PSM_SETCURSELID, 0, static_cast<LPARAM>(dialogId));
        page_ = reinterpret_cast<HWND>(SendMessageA(sheet_, PSM_GETCURRENTPAGEHWND, 0, 0));
        return page_;
    }

    HWND Control(int id) const { return GetDlgItem(page_, id); }
    void Click(int id) const { SendMessageA(Control(id), BM_CLICK, 0, 0); }
    bool IsOn(int id) const { return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void Type(int id, const char* text) const
    {
        SendMessageA(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }
    void Select(int id, int index) const
    {
        SendMessageA(Control(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageA(page_, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Control(id)));
    }
    int Selected(int id) const { return static_cast<int>(SendMessageA(Control(id), CB_GETCURSEL, 0, 0)); }
    std::string Text(int id) const
    {
        char text[256] = "";
        SendMessageA(Control(id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        return text;
    }

    // Opens the sheet anew and reads back the changes of the test below.
    void ExpectTheNextSheetShowsTheSavedChanges()
    {
        OpenSheet();
        ASSERT_NE(ShowPage(IDD_CLOCK_PAGE), nullptr);
        EXPECT_EQ(Text(IDC_CLOCK_FORMAT), "'saved 'HH");
        ASSERT_NE(ShowPage(IDD_TOOLTIP_COPY_PAGE), nullptr);
        EXPECT_TRUE(IsOn(IDC_CUSTOM_TOOLTIP));
        EXPECT_EQ(Text(IDC_TOOLTIP_FORMAT), "dddd");
        ASSERT_NE(ShowPage(IDD_CALENDAR_PAGE), nullptr);
        EXPECT_TRUE(IsOn(IDC_HIGHLIGHT_FRIDAY));
        EXPECT_TRUE(IsOn(IDC_CALENDAR_WEEK_NUMBERS));
        EXPECT_EQ(Selected(IDC_FIRST_DAY), 3);
        ASSERT_NE(ShowPage(IDD_MENU_PAGE), nullptr);
        EXPECT_EQ(Selected(IDC_CLICK_COMMAND), 1);
        EXPECT_TRUE(IsOn(IDC_BOOTH_MODE));
        EXPECT_FALSE(IsWindowEnabled(Control(IDC_FANCY_BANNER)));
        ASSERT_NE(ShowPage(IDD_ADVANCED_PAGE), nullptr);
        EXPECT_TRUE(IsOn(IDC_MEMORY_LOAD_LINE));
        EXPECT_TRUE(IsOn(IDC_AUTOSTART));
    }

    HWND sheet_ = nullptr;
    HWND page_ = nullptr;
};

// The stand-in's own clock shows "HH:MM:SS".
bool IsPlainClockText(const std::string& text)
{
    return text.size() == 8 && text[2] == ':' && text[5] == ':';
}

TEST_F(WholeSheet, ChangesShowOnTheClockAndOkKeepsThemForTheNextStart)
{
    OpenSheet();
    ASSERT_TRUE(testkit::IsComponentInstalled());

    ASSERT_NE(ShowPage(IDD_CLOCK_PAGE), nullptr);
    Type(IDC_CLOCK_FORMAT, "'kept 'HH");
    std::string shown;
    EXPECT_TRUE(testkit::WaitForClockText("kept ", 5000, &shown)) << shown;

    ASSERT_NE(ShowPage(IDD_TOOLTIP_COPY_PAGE), nullptr);
    Click(IDC_CUSTOM_TOOLTIP);
    Type(IDC_TOOLTIP_FORMAT, "dddd");

    ASSERT_NE(ShowPage(IDD_CALENDAR_PAGE), nullptr);
    Click(IDC_HIGHLIGHT_FRIDAY);
    Click(IDC_CALENDAR_WEEK_NUMBERS);
    Select(IDC_FIRST_DAY, 3);

    ASSERT_NE(ShowPage(IDD_MENU_PAGE), nullptr);
    Select(IDC_CLICK_COMMAND, 1); // "Do nothing"
    Click(IDC_BOOTH_MODE);

    ASSERT_NE(ShowPage(IDD_ADVANCED_PAGE), nullptr);
    Click(IDC_MEMORY_LOAD_LINE);
    Click(IDC_AUTOSTART);

    // The clock still follows: a second format change after all the others.
    ASSERT_NE(ShowPage(IDD_CLOCK_PAGE), nullptr);
    Type(IDC_CLOCK_FORMAT, "'saved 'HH");
    EXPECT_TRUE(testkit::WaitForClockText("saved ", 5000, &shown)) << shown;

    PostMessageA(sheet_, PSM_PRESSBUTTON, PSBTN_OK, 0);
    ASSERT_NE(horalume_.WaitForExit(10000), -1);
    EXPECT_TRUE(testkit::IsComponentInstalled());
    EXPECT_NE(testkit::ClockText().find("saved "), std::string::npos);

    EXPECT_EQ(StoredClockFormat(), "'saved 'HH");
    const auto flags = static_cast<std::uint32_t>(ReadSetting("DisplayFlags", 0));
    EXPECT_EQ(flags, 0x018E0617u | 0x400000u | 0x8u | 0x10000u); // custom tooltip, booth, memory line
    EXPECT_EQ(ReadSetting("ClickCommand", 0), 0xFFFF);
    EXPECT_EQ(ReadSetting("ShowProperties", 1), 0);
    EXPECT_EQ(ReadSetting("Page", 0), IDD_CLOCK_PAGE);
    EXPECT_EQ(CalendarValue("WeekendDays"), 0x61);
    EXPECT_EQ(CalendarValue("WeekNumbers"), 1);
    EXPECT_EQ(CalendarValue("FirstDay"), 3);
    EXPECT_NE(RunValue().find("Horalume.exe"), std::string::npos) << RunValue();

    // The next start finds everything again.
    ExpectTheNextSheetShowsTheSavedChanges();

    PostMessageA(sheet_, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    ASSERT_NE(horalume_.WaitForExit(10000), -1);
}

// A volatile key can hold no lasting subkey, so every write of OK really fails.
void MakeTheSettingsUnwritable()
{
    ClearHoralumeRegistry();
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kHoralumeKey, 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

TEST_F(WholeSheet, OkThatCannotSaveSaysWhyAndKeepsTheSheetUntilCancel)
{
    OpenSheet();
    ASSERT_NE(ShowPage(IDD_CLOCK_PAGE), nullptr);
    Type(IDC_CLOCK_FORMAT, "'unsaved 'HH");
    MakeTheSettingsUnwritable();

    MessageBoxWatcher boxes({"Horalume"}, IDOK);
    PostMessageA(sheet_, PSM_PRESSBUTTON, PSBTN_OK, 0);
    ASSERT_TRUE(boxes.WaitForCount(1, 10000));
    EXPECT_NE(boxes.Seen()[0].text.find("could not be saved"), std::string::npos) << boxes.Seen()[0].text;
    EXPECT_EQ(horalume_.WaitForExit(500), -1) << "the sheet closed on a failed save";
    EXPECT_EQ(Text(IDC_CLOCK_FORMAT), "'unsaved 'HH");

    PostMessageA(sheet_, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    EXPECT_NE(horalume_.WaitForExit(10000), -1);
    EXPECT_EQ(boxes.Seen().size(), 1u);
    ClearHoralumeRegistry();
}

TEST_F(WholeSheet, ExitGivesThePlainClockBackAndDropsUnsavedChanges)
{
    OpenSheet();
    ASSERT_TRUE(testkit::IsComponentInstalled());
    ASSERT_NE(ShowPage(IDD_CLOCK_PAGE), nullptr);
    Type(IDC_CLOCK_FORMAT, "'unsaved 'HH");
    std::string shown;
    ASSERT_TRUE(testkit::WaitForClockText("unsaved ", 5000, &shown)) << shown;

    ASSERT_NE(ShowPage(IDD_ADVANCED_PAGE), nullptr);
    Click(IDC_AUTOSTART);
    // Posted: the click removes the component while this thread waits for nothing.
    PostMessageA(Control(IDC_EXIT_HORALUME), BM_CLICK, 0, 0);

    ASSERT_NE(horalume_.WaitForExit(15000), -1);
    EXPECT_FALSE(testkit::IsComponentInstalled());
    EXPECT_TRUE(taskbar_.ClockProcedureIsOriginal());
    EXPECT_TRUE(testkit::WaitForClockText(IsPlainClockText, 5000, &shown)) << shown;

    EXPECT_FALSE(SettingExists("ShowProperties"));
    EXPECT_EQ(StoredClockFormat(), "");
    EXPECT_EQ(RunValue(), "");
    EXPECT_EQ(ReadSetting("Page", 0), IDD_ADVANCED_PAGE);
}

} // namespace
