#include "clockhook/CalendarWindow.h"

#include "clockhook/PopupPlacement.h"
#include "clockhook/TaskbarTheme.h"
#include "clockhook/model/CalendarMonth.h"
#include "win32/ModuleOf.h"
#include "win32/RegKey.h"
#include "win32/WindowBinding.h"

#include <cstring>
#include <utility>

// Horalume only carries "LastDate"; the component is the one that knows the
// month, so it stores it itself (the shell runs as the same user).
static void StoreLastDate(std::int32_t lastDate)
{
    RegKeyWriter key;
    if (key.Create(HKEY_CURRENT_USER, "Software\\Horalume", "Calendar")) {
        key.WriteDword("LastDate", lastDate);
    }
}

static CalendarMonth MonthOf(const SYSTEMTIME& time)
{
    return CalendarMonth{time.wYear, time.wMonth};
}

static SYSTEMTIME FirstOf(CalendarMonth month)
{
    SYSTEMTIME time = {};
    time.wYear = static_cast<WORD>(month.year);
    time.wMonth = static_cast<WORD>(month.month);
    time.wDay = 1;
    return time;
}

void CalendarWindow::FillDayStates(CalendarMonth first, int count, MONTHDAYSTATE* states) const
{
    for (int i = 0; i < count; ++i) {
        states[i] = HighlightedDays(AddMonths(first, i), settings_.weekendDays);
    }
}

// The control asks for the months around the one shown as well.
void CalendarWindow::SetDayStates()
{
    SYSTEMTIME range[2];
    int count = static_cast<int>(
        SendMessageA(monthCalendar_, MCM_GETMONTHRANGE, GMR_DAYSTATE, reinterpret_cast<LPARAM>(range)));
    constexpr int kMostMonths = 14;
    if (count <= 0 || count > kMostMonths) {
        return;
    }
    MONTHDAYSTATE states[kMostMonths];
    FillDayStates(MonthOf(range[0]), count, states);
    SendMessageA(monthCalendar_, MCM_SETDAYSTATE, count, reinterpret_cast<LPARAM>(states));
}

void CalendarWindow::ApplyFont()
{
    // The old font goes only once the control has the new one.
    UniqueFont old = std::move(font_);
    if (settings_.calendarFlags & CalendarFlag::CustomCalendarFont) {
        LOGFONTA font;
        static_assert(sizeof font == sizeof settings_.calendarFont, "the record's fonts are LOGFONTA");
        memcpy(&font, &settings_.calendarFont, sizeof font);
        font_.Reset(CreateFontIndirectA(&font));
    }
    HFONT shown = font_ ? font_.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(monthCalendar_, WM_SETFONT, reinterpret_cast<WPARAM>(shown), TRUE);
}

// The window just fits the control, which fits its font and week numbers.
void CalendarWindow::FitWindow()
{
    RECT needed = {0, 0, 0, 0};
    SendMessageA(monthCalendar_, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&needed));
    SetWindowPos(monthCalendar_, nullptr, 0, 0, needed.right, needed.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    RECT frame = needed;
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(window_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(window_, GWL_EXSTYLE)));
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

// The month in the taskbar theme's colours (the system's without one).
void CalendarWindow::ApplyThemeColours()
{
    const TaskbarTheme theme = ReadTaskbarTheme();
    const ThemeColours colours = theme == TaskbarTheme::System
                                     ? ThemeColours{GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW)}
                                     : TaskbarColours(theme);
    SendMessageA(monthCalendar_, MCM_SETCOLOR, MCSC_BACKGROUND, colours.background);
    SendMessageA(monthCalendar_, MCM_SETCOLOR, MCSC_MONTHBK, colours.background);
    SendMessageA(monthCalendar_, MCM_SETCOLOR, MCSC_TEXT, colours.text);
    InvalidateRect(monthCalendar_, nullptr, TRUE);
}

void CalendarWindow::ApplyOptions()
{
    const ClockSettings& settings = settings_;
    LONG_PTR style = GetWindowLongPtrA(monthCalendar_, GWL_STYLE);
    style = (settings.calendarFlags & CalendarFlag::WeekNumbers) ? (style | MCS_WEEKNUMBERS)
                                                                 : (style & ~static_cast<LONG_PTR>(MCS_WEEKNUMBERS));
    SetWindowLongPtrA(monthCalendar_, GWL_STYLE, style);
    SendMessageA(monthCalendar_, MCM_SETFIRSTDAYOFWEEK, 0, MonthCalendarFirstDay(settings.firstDay));
    ApplyFont();
    ApplyThemeColours();
    SetDayStates();
    FitWindow();
    SetWindowPos(window_, (settings.calendarFlags & CalendarFlag::TopMost) ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    InvalidateRect(monthCalendar_, nullptr, TRUE);
}

// Beside the clock on the screen's side of its taskbar, the far edges in
// line; or where it was last, with SaveWindow. Always within the work area.
void CalendarWindow::PlaceWindow(HWND clock)
{
    RECT window;
    GetWindowRect(window_, &window);
    int width = window.right - window.left;
    int height = window.bottom - window.top;
    RECT clockRect;
    GetWindowRect(clock, &clockRect);
    const Box area = MonitorBoxOf(clock, true);
    Spot spot = PopupBeside(BoxOf(clockRect), TaskbarBoxOf(clock), width, height, EdgeOfClock(clock), area, 0);
    if ((settings_.calendarFlags & CalendarFlag::SaveWindow) && haveSavedPosition_) {
        spot = KeepWithin({savedPosition_.x, savedPosition_.y}, width, height, area);
    }
    SetWindowPos(window_, nullptr, spot.x, spot.y, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CalendarWindow::ShowStartMonth()
{
    if (!(settings_.calendarFlags & CalendarFlag::RememberMonth) || !haveRememberedMonth_) {
        return; // the control starts on today
    }
    SYSTEMTIME first = FirstOf(rememberedMonth_);
    SendMessageA(monthCalendar_, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&first));
}

void CalendarWindow::RememberShownMonth()
{
    if (!(settings_.calendarFlags & CalendarFlag::RememberMonth)) {
        return;
    }
    SYSTEMTIME range[2];
    SendMessageA(monthCalendar_, MCM_GETMONTHRANGE, GMR_VISIBLE, reinterpret_cast<LPARAM>(range));
    CalendarMonth shown = MonthOf(range[0]);
    CalendarMonth check;
    if (!DecodeLastDate(EncodeLastDate(shown), check)) {
        return;
    }
    rememberedMonth_ = shown;
    haveRememberedMonth_ = true;
    StoreLastDate(EncodeLastDate(shown));
}

void CalendarWindow::OnDestroy()
{
    RememberShownMonth();
    RECT rect;
    GetWindowRect(window_, &rect);
    savedPosition_ = {rect.left, rect.top};
    haveSavedPosition_ = true;
    font_.Reset();
    window_ = nullptr;
    monthCalendar_ = nullptr;
}

LRESULT CalendarWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND window = window_;
    switch (message) {
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE && (settings_.calendarFlags & CalendarFlag::AutoClose)) {
            PostMessageA(window, WM_CLOSE, 0, 0); // not while activation is changing
        } else if (LOWORD(wParam) != WA_INACTIVE && monthCalendar_ != nullptr) {
            SetFocus(monthCalendar_);
        }
        return 0;
    case WM_NOTIFY: {
        NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->hwndFrom == monthCalendar_ && header->code == MCN_GETDAYSTATE) {
            NMDAYSTATE* request = reinterpret_cast<NMDAYSTATE*>(lParam);
            if (request->prgDayState != nullptr && request->cDayState > 0) {
                FillDayStates(MonthOf(request->stStart), request->cDayState, request->prgDayState);
            }
            return 0;
        }
        break;
    }
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_NCDESTROY:
        UnbindWindow(window);
        window_ = nullptr;
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool CalendarWindow::RegisterWindowClass()
{
    if (windowClass_ != 0) {
        return true;
    }
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = BoundWindowProc<CalendarWindow, &CalendarWindow::window_, &CalendarWindow::HandleMessage>;
    windowClass.hInstance = ThisModule();
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kCalendarWindowClass;
    windowClass_ = RegisterClassA(&windowClass);
    return windowClass_ != 0;
}

void CalendarWindow::Show(HWND clock, const ClockSettings& settings)
{
    settings_ = settings;
    if (window_ != nullptr) {
        SetForegroundWindow(window_);
        return;
    }
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_DATE_CLASSES};
    InitCommonControlsEx(&controls);
    if (!RegisterWindowClass()) {
        return;
    }
    DWORD exStyle = WS_EX_TOOLWINDOW | ((settings.calendarFlags & CalendarFlag::TopMost) ? WS_EX_TOPMOST : 0);
    window_ = CreateWindowExA(exStyle, kCalendarWindowClass, kCalendarCaption, WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0,
                              200, 200, nullptr, nullptr, ThisModule(), this);
    if (window_ == nullptr) {
        return;
    }
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | MCS_DAYSTATE |
                  ((settings.calendarFlags & CalendarFlag::WeekNumbers) ? MCS_WEEKNUMBERS : 0);
    monthCalendar_ =
        CreateWindowExA(0, MONTHCAL_CLASSA, "", style, 0, 0, 0, 0, window_, nullptr, ThisModule(), nullptr);
    if (monthCalendar_ == nullptr) {
        DestroyWindow(window_);
        return;
    }
    ShowStartMonth();
    ApplyOptions();
    PlaceWindow(clock);
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
}

void CalendarWindow::Close()
{
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
    if (windowClass_ != 0) {
        UnregisterClassA(kCalendarWindowClass, ThisModule());
    }
    *this = CalendarWindow();
}

void CalendarWindow::OnLookChanged()
{
    if (window_ != nullptr) {
        ApplyThemeColours();
    }
}

void CalendarWindow::OnSettingsChanged(const ClockSettings& settings)
{
    // Horalume sends the LastDate it read from the registry with every
    // change on its pages; only a value different from the last one it sent
    // is news (the first record, or a sheet opened after a store).
    if (!haveRecord_ || settings.lastDate != lastRecordDate_) {
        haveRememberedMonth_ = DecodeLastDate(settings.lastDate, rememberedMonth_);
        lastRecordDate_ = settings.lastDate;
        haveRecord_ = true;
    }
    if (window_ == nullptr) {
        return;
    }
    settings_ = settings;
    ApplyOptions();
}
