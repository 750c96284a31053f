#include "horalume/props/tests/OptionPagesFixture.h"
#include "resources/horalume/HoralumeResources.h"

#include <cstring>

namespace {

class CalendarPage : public OptionPageFixture {
protected:
    void SetUp() override
    {
        OptionPageFixture::SetUp();
        Record().locale = 0x0409; // English (United States)
    }

    std::vector<std::string> DayList() const
    {
        std::vector<std::string> names;
        const int count = static_cast<int>(SendMessageA(Control(IDC_FIRST_DAY), CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            names.push_back(Entry(IDC_FIRST_DAY, i));
        }
        return names;
    }
};

TEST_F(CalendarPage, HighlightBoxesCountFromSunday)
{
    OpenPage(IDD_CALENDAR_PAGE);
    for (int day = 0; day < 7; ++day) {
        EXPECT_EQ(IsOn(IDC_HIGHLIGHT_SUNDAY + day), day == 0 || day == 6) << day;
    }
    Click(IDC_HIGHLIGHT_FRIDAY);
    EXPECT_EQ(LastPush().weekendDays, 0x61u);
    Click(IDC_HIGHLIGHT_SUNDAY);
    EXPECT_EQ(LastPush().weekendDays, 0x60u);
}

TEST_F(CalendarPage, OptionBoxesShowAndSetTheirCalendarFlags)
{
    OpenPage(IDD_CALENDAR_PAGE);
    EXPECT_TRUE(IsOn(IDC_CALENDAR_AUTO_CLOSE));
    EXPECT_TRUE(IsOn(IDC_CALENDAR_TOP_MOST));
    EXPECT_FALSE(IsOn(IDC_CALENDAR_SAVE_WINDOW));
    EXPECT_FALSE(IsOn(IDC_CALENDAR_WEEK_NUMBERS));
    EXPECT_TRUE(IsOn(IDC_CALENDAR_REMEMBER_MONTH));

    Click(IDC_CALENDAR_WEEK_NUMBERS);
    EXPECT_EQ(LastPush().calendarFlags, 0x1Bu);
    Click(IDC_CALENDAR_SAVE_WINDOW);
    EXPECT_EQ(LastPush().calendarFlags, 0x1Fu);
    Click(IDC_CALENDAR_REMEMBER_MONTH);
    Click(IDC_CALENDAR_AUTO_CLOSE);
    Click(IDC_CALENDAR_TOP_MOST);
    EXPECT_EQ(LastPush().calendarFlags, 0x0Cu);
    EXPECT_EQ(Pushes().size(), 5u);
}

TEST_F(CalendarPage, FirstDayListIsSundayFirstInTheRecordsLocale)
{
    Record().firstDay = 1;
    OpenPage(IDD_CALENDAR_PAGE);
    const std::vector<std::string> english = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                              "Thursday", "Friday", "Saturday"};
    EXPECT_EQ(DayList(), english);
    EXPECT_EQ(Selected(IDC_FIRST_DAY), 1);

    Select(IDC_FIRST_DAY, 6);
    EXPECT_EQ(LastPush().firstDay, 6);
    Select(IDC_FIRST_DAY, 0);
    EXPECT_EQ(LastPush().firstDay, 0);
    DestroyWindow(page_);

    Record().locale = 0x0407; // German
    Record().firstDay = 0;
    OpenPage(IDD_CALENDAR_PAGE);
    const std::vector<std::string> german = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                             "Donnerstag", "Freitag", "Samstag"};
    EXPECT_EQ(DayList(), german);
    EXPECT_EQ(Selected(IDC_FIRST_DAY), 0);
}

TEST_F(CalendarPage, UnknownLocaleShowsTheUsersDayNames)
{
    Record().locale = 0x7FFF0000;
    OpenPage(IDD_CALENDAR_PAGE);
    const std::vector<std::string> names = DayList();
    ASSERT_EQ(names.size(), 7u);
    char sunday[128] = "";
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDAYNAME7, sunday, sizeof sunday);
    EXPECT_EQ(names[0], sunday);
    for (const std::string& name : names) {
        EXPECT_FALSE(name.empty());
    }
}

TEST_F(CalendarPage, ChosenFontSetsCustomCalendarFontAndCancelKeepsBoth)
{
    std::strcpy(Record().calendarFont.faceName, "Stored");
    OpenPage(IDD_CALENDAR_PAGE);
    FontDialog::pressOk = false;
    Click(IDC_CALENDAR_FONT);
    EXPECT_EQ(FontDialog::shown, 1);
    EXPECT_TRUE(Pushes().empty());
    EXPECT_STREQ(Record().calendarFont.faceName, "Stored");
    EXPECT_EQ(Record().calendarFlags & CalendarFlag::CustomCalendarFont, 0u);

    FontDialog::pressOk = true;
    FontDialog::choice = LOGFONTA{};
    lstrcpyA(FontDialog::choice.lfFaceName, "Arial");
    FontDialog::choice.lfHeight = -15;
    Click(IDC_CALENDAR_FONT);
    EXPECT_EQ(FontDialog::title, "Calendar Font");
    EXPECT_STREQ(LastPush().calendarFont.faceName, "Arial");
    EXPECT_EQ(LastPush().calendarFont.height, -15);
    EXPECT_NE(LastPush().calendarFlags & CalendarFlag::CustomCalendarFont, 0u);
}

} // namespace
