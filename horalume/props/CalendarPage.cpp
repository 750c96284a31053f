// The Calendar page: the calendar window's options, the highlighted weekdays,
// the first day of the week and the calendar font. Weekdays count from
// Sunday (0) everywhere: in WeekendDays, in the box identifiers and in the
// first-day list.
#include "horalume/props/CommonDialogs.h"
#include "horalume/props/PageControls.h"
#include "horalume/props/PageText.h"
#include "horalume/props/Pages.h"
#include "resources/horalume/HoralumeResources.h"

#include <windows.h>

namespace {
class CalendarPage final : public SheetPage {
public:
    CalendarPage(HINSTANCE instance, ClockSettings& record, const PageChoosers& choosers)
        : instance_(instance), record_(record), choosers_(choosers)
    {
    }

    void Init(HWND page) override;
    PageCommand OnCommand(HWND page, int control, int code) override;

private:
    PageCommand ChooseCalendarFont(HWND page);
    PageCommand OnClick(HWND page, int control);

    HINSTANCE instance_;
    ClockSettings& record_;
    const PageChoosers& choosers_;
};
} // namespace

static constexpr int kDaysInWeek = 7;

namespace {
struct CalendarOption {
    int control;
    std::uint32_t flag;
};
} // namespace

static constexpr CalendarOption kOptions[] = {
    {IDC_CALENDAR_AUTO_CLOSE, CalendarFlag::AutoClose},         {IDC_CALENDAR_TOP_MOST, CalendarFlag::TopMost},
    {IDC_CALENDAR_SAVE_WINDOW, CalendarFlag::SaveWindow},       {IDC_CALENDAR_WEEK_NUMBERS, CalendarFlag::WeekNumbers},
    {IDC_CALENDAR_REMEMBER_MONTH, CalendarFlag::RememberMonth},
};

// The locale's day names, Sunday first.
static constexpr LCTYPE kDayNames[kDaysInWeek] = {LOCALE_SDAYNAME7, LOCALE_SDAYNAME1, LOCALE_SDAYNAME2,
                                                  LOCALE_SDAYNAME3, LOCALE_SDAYNAME4, LOCALE_SDAYNAME5,
                                                  LOCALE_SDAYNAME6};

// A locale the system does not know falls back to the user's, so that the
// list never shows seven empty lines.
static void DayName(LCID locale, int day, char (&name)[128])
{
    if (GetLocaleInfoA(locale, kDayNames[day], name, sizeof name) == 0 &&
        GetLocaleInfoA(LOCALE_USER_DEFAULT, kDayNames[day], name, sizeof name) == 0) {
        name[0] = '\0';
    }
}

static void FillFirstDayList(HWND page, const ClockSettings& settings)
{
    const LCID locale = settings.locale;
    for (int day = 0; day < kDaysInWeek; ++day) {
        char name[128];
        DayName(locale, day, name);
        SendDlgItemMessageA(page, IDC_FIRST_DAY, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
    SendDlgItemMessageA(page, IDC_FIRST_DAY, CB_SETCURSEL, static_cast<WPARAM>(settings.firstDay), 0);
}

static PageCommand ChooseFirstDay(HWND page, ClockSettings& settings)
{
    const LRESULT day = SendDlgItemMessageA(page, IDC_FIRST_DAY, CB_GETCURSEL, 0, 0);
    if (day < 0 || day >= kDaysInWeek) {
        return PageCommand::Handled;
    }
    settings.firstDay = static_cast<std::int32_t>(day);
    return PageCommand::Changed;
}

// Once chosen, the calendar font stays in use: there is no way back.
PageCommand CalendarPage::ChooseCalendarFont(HWND page)
{
    char title[256];
    LoadPageText(instance_, IDS_CALENDAR_FONT_TITLE, title);
    if (!PickFont(choosers_, page, title, record_.calendarFont)) {
        return PageCommand::Handled;
    }
    record_.calendarFlags |= CalendarFlag::CustomCalendarFont;
    return PageCommand::Changed;
}

PageCommand CalendarPage::OnClick(HWND page, int control)
{
    ClockSettings& settings = record_;
    if (control >= IDC_HIGHLIGHT_SUNDAY && control < IDC_HIGHLIGHT_SUNDAY + kDaysInWeek) {
        SetBits(settings.weekendDays, 1u << (control - IDC_HIGHLIGHT_SUNDAY), IsChecked(page, control));
        return PageCommand::Changed;
    }
    for (const CalendarOption& option : kOptions) {
        if (option.control == control) {
            SetBits(settings.calendarFlags, option.flag, IsChecked(page, control));
            return PageCommand::Changed;
        }
    }
    if (control == IDC_CALENDAR_FONT) {
        return ChooseCalendarFont(page);
    }
    return PageCommand::Ignored;
}

void CalendarPage::Init(HWND page)
{
    const ClockSettings& settings = record_;
    for (const CalendarOption& option : kOptions) {
        Check(page, option.control, (settings.calendarFlags & option.flag) != 0);
    }
    for (int day = 0; day < kDaysInWeek; ++day) {
        Check(page, IDC_HIGHLIGHT_SUNDAY + day, (settings.weekendDays & (1u << day)) != 0);
    }
    FillFirstDayList(page, settings);
}

PageCommand CalendarPage::OnCommand(HWND page, int control, int code)
{
    if (control == IDC_FIRST_DAY) {
        return code == CBN_SELCHANGE ? ChooseFirstDay(page, record_) : PageCommand::Ignored;
    }
    return code == BN_CLICKED ? OnClick(page, control) : PageCommand::Ignored;
}

std::unique_ptr<SheetPage> MakeCalendarPage(HINSTANCE instance, ClockSettings& record, const PageChoosers& choosers)
{
    return std::make_unique<CalendarPage>(instance, record, choosers);
}
