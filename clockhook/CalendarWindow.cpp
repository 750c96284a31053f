#include "clockhook/CalendarWindow.h"

#include "clockhook/PopupPlacement.h"
#include "clockhook/TaskbarTheme.h"
#include "clockhook/model/CalendarMonth.h"
#include "win32/ModuleOf.h"
#include "win32/RegKey.h"
#include "win32/Win32Handles.h"

#include <commctrl.h>

#include <cstring>
#include <utility>

struct CalendarState {
    HWND window = nullptr;
    HWND monthCalendar = nullptr;
    UniqueFont font;
    ATOM windowClass = 0;
    ClockSettings settings; // the options the open window shows
    // The month shown when the calendar last closed, kept for the shell's
    // session and written to "LastDate"; and the LastDate of the last
    // record, to tell Horalume's own changes from its repeats.
    CalendarMonth rememberedMonth;
    bool haveRememberedMonth = false;
    bool haveRecord = false;
    std::int32_t lastRecordDate = 0;
    POINT savedPosition = {0, 0};
    bool haveSavedPosition = false;
};

static CalendarState g_calendar;

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

static void FillDayStates(CalendarMonth first, int count, MONTHDAYSTATE* states)
{
    for (int i = 0; i < count; ++i) {
        states[i] = HighlightedDays(AddMonths(first, i), g_calendar.settings.weekendDays);
    }
}

// The control asks for the months around the one shown as well.
static void SetDayStates()
{
    SYSTEMTIME range[2];
    int count = static_cast<int>(
        SendMessageA(g_calendar.monthCalendar, MCM_GETMONTHRANGE, GMR_DAYSTATE, reinterpret_cast<LPARAM>(range)));
    constexpr int kMostMonths = 14;
    if (count <= 0 || count > kMostMonths) {
        return;
    }
    MONTHDAYSTATE states[kMostMonths];
    FillDayStates(MonthOf(range[0]), count, states);
    SendMessageA(g_calendar.monthCalendar, MCM_SETDAYSTATE, count, reinterpret_cast<LPARAM>(states));
}

static void OnGetDayState(NMDAYSTATE* request)
{
    if (request->prgDayState != nullptr && request->cDayState > 0) {
        FillDayStates(MonthOf(request->stStart), request->cDayState, request->prgDayState);
    }
}

static void ApplyFont()
{
    // The old font goes only once the control has the new one.
    UniqueFont old = std::move(g_calendar.font);
    if (g_calendar.settings.calendarFlags & CalendarFlag::CustomCalendarFont) {
        LOGFONTA font;
        static_assert(sizeof font == sizeof g_calendar.settings.calendarFont, "the record's fonts are LOGFONTA");
        memcpy(&font, &g_calendar.settings.calendarFont, sizeof font);
        g_calendar.font.Reset(CreateFontIndirectA(&font));
    }
    HFONT shown = g_calendar.font ? g_calendar.font.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(g_calendar.monthCalendar, WM_SETFONT, reinterpret_cast<WPARAM>(shown), TRUE);
}

// The window just fits the control, which fits its font and week numbers.
static void FitWindow()
{
    RECT needed = {0, 0, 0, 0};
    SendMessageA(g_calendar.monthCalendar, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&needed));
    SetWindowPos(g_calendar.monthCalendar, nullptr, 0, 0, needed.right, needed.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    RECT frame = needed;
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(g_calendar.window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(g_calendar.window, GWL_EXSTYLE)));
    SetWindowPos(g_calendar.window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

// The month in the taskbar theme's colours (the system's without one).
static void ApplyThemeColours()
{
    const TaskbarTheme theme = ReadTaskbarTheme();
    const ThemeColours colours = theme == TaskbarTheme::System
                                     ? ThemeColours{GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW)}
                                     : TaskbarColours(theme);
    SendMessageA(g_calendar.monthCalendar, MCM_SETCOLOR, MCSC_BACKGROUND, colours.background);
    SendMessageA(g_calendar.monthCalendar, MCM_SETCOLOR, MCSC_MONTHBK, colours.background);
    SendMessageA(g_calendar.monthCalendar, MCM_SETCOLOR, MCSC_TEXT, colours.text);
    InvalidateRect(g_calendar.monthCalendar, nullptr, TRUE);
}

static void ApplyOptions()
{
    const ClockSettings& settings = g_calendar.settings;
    LONG_PTR style = GetWindowLongPtrA(g_calendar.monthCalendar, GWL_STYLE);
    style = (settings.calendarFlags & CalendarFlag::WeekNumbers) ? (style | MCS_WEEKNUMBERS)
                                                                 : (style & ~static_cast<LONG_PTR>(MCS_WEEKNUMBERS));
    SetWindowLongPtrA(g_calendar.monthCalendar, GWL_STYLE, style);
    SendMessageA(g_calendar.monthCalendar, MCM_SETFIRSTDAYOFWEEK, 0, MonthCalendarFirstDay(settings.firstDay));
    ApplyFont();
    ApplyThemeColours();
    SetDayStates();
    FitWindow();
    SetWindowPos(g_calendar.window, (settings.calendarFlags & CalendarFlag::TopMost) ? HWND_TOPMOST : HWND_NOTOPMOST, 0,
                 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    InvalidateRect(g_calendar.monthCalendar, nullptr, TRUE);
}

// Beside the clock on the screen's side of its taskbar, the far edges in
// line; or where it was last, with SaveWindow. Always within the work area.
static void PlaceWindow(HWND clock)
{
    RECT window;
    GetWindowRect(g_calendar.window, &window);
    int width = window.right - window.left;
    int height = window.bottom - window.top;
    RECT clockRect;
    GetWindowRect(clock, &clockRect);
    const Box area = MonitorBoxOf(clock, true);
    Spot spot = PopupBeside(BoxOf(clockRect), TaskbarBoxOf(clock), width, height, EdgeOfClock(clock), area, 0);
    if ((g_calendar.settings.calendarFlags & CalendarFlag::SaveWindow) && g_calendar.haveSavedPosition) {
        spot = KeepWithin({g_calendar.savedPosition.x, g_calendar.savedPosition.y}, width, height, area);
    }
    SetWindowPos(g_calendar.window, nullptr, spot.x, spot.y, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
}

static void ShowStartMonth()
{
    if (!(g_calendar.settings.calendarFlags & CalendarFlag::RememberMonth) || !g_calendar.haveRememberedMonth) {
        return; // the control starts on today
    }
    SYSTEMTIME first = FirstOf(g_calendar.rememberedMonth);
    SendMessageA(g_calendar.monthCalendar, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&first));
}

static void RememberShownMonth()
{
    if (!(g_calendar.settings.calendarFlags & CalendarFlag::RememberMonth)) {
        return;
    }
    SYSTEMTIME range[2];
    SendMessageA(g_calendar.monthCalendar, MCM_GETMONTHRANGE, GMR_VISIBLE, reinterpret_cast<LPARAM>(range));
    CalendarMonth shown = MonthOf(range[0]);
    CalendarMonth check;
    if (!DecodeLastDate(EncodeLastDate(shown), check)) {
        return;
    }
    g_calendar.rememberedMonth = shown;
    g_calendar.haveRememberedMonth = true;
    StoreLastDate(EncodeLastDate(shown));
}

static void OnDestroy(HWND window)
{
    RememberShownMonth();
    RECT rect;
    GetWindowRect(window, &rect);
    g_calendar.savedPosition = {rect.left, rect.top};
    g_calendar.haveSavedPosition = true;
    g_calendar.font.Reset();
    g_calendar.window = nullptr;
    g_calendar.monthCalendar = nullptr;
}

static LRESULT CALLBACK CalendarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE && (g_calendar.settings.calendarFlags & CalendarFlag::AutoClose)) {
            PostMessageA(window, WM_CLOSE, 0, 0); // not while activation is changing
        } else if (LOWORD(wParam) != WA_INACTIVE && g_calendar.monthCalendar != nullptr) {
            SetFocus(g_calendar.monthCalendar);
        }
        return 0;
    case WM_NOTIFY: {
        NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->hwndFrom == g_calendar.monthCalendar && header->code == MCN_GETDAYSTATE) {
            OnGetDayState(reinterpret_cast<NMDAYSTATE*>(lParam));
            return 0;
        }
        break;
    }
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        OnDestroy(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

static bool RegisterCalendarClass()
{
    if (g_calendar.windowClass != 0) {
        return true;
    }
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = CalendarWindowProc;
    windowClass.hInstance = ThisModule();
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kCalendarWindowClass;
    g_calendar.windowClass = RegisterClassA(&windowClass);
    return g_calendar.windowClass != 0;
}

void ShowCalendar(HWND clock, const ClockSettings& settings)
{
    g_calendar.settings = settings;
    if (g_calendar.window != nullptr) {
        SetForegroundWindow(g_calendar.window);
        return;
    }
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_DATE_CLASSES};
    InitCommonControlsEx(&controls);
    if (!RegisterCalendarClass()) {
        return;
    }
    DWORD exStyle = WS_EX_TOOLWINDOW | ((settings.calendarFlags & CalendarFlag::TopMost) ? WS_EX_TOPMOST : 0);
    g_calendar.window =
        CreateWindowExA(exStyle, kCalendarWindowClass, kCalendarCaption, WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 200,
                        200, nullptr, nullptr, ThisModule(), nullptr);
    if (g_calendar.window == nullptr) {
        return;
    }
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | MCS_DAYSTATE |
                  ((settings.calendarFlags & CalendarFlag::WeekNumbers) ? MCS_WEEKNUMBERS : 0);
    g_calendar.monthCalendar =
        CreateWindowExA(0, MONTHCAL_CLASSA, "", style, 0, 0, 0, 0, g_calendar.window, nullptr, ThisModule(), nullptr);
    if (g_calendar.monthCalendar == nullptr) {
        DestroyWindow(g_calendar.window);
        return;
    }
    ShowStartMonth();
    ApplyOptions();
    PlaceWindow(clock);
    ShowWindow(g_calendar.window, SW_SHOW);
    SetForegroundWindow(g_calendar.window);
}

void CloseCalendar()
{
    if (g_calendar.window != nullptr) {
        DestroyWindow(g_calendar.window);
    }
    if (g_calendar.windowClass != 0) {
        UnregisterClassA(kCalendarWindowClass, ThisModule());
    }
    g_calendar = CalendarState();
}

void OnCalendarLookChanged()
{
    if (g_calendar.window != nullptr) {
        ApplyThemeColours();
    }
}

void OnCalendarSettingsChanged(const ClockSettings& settings)
{
    // Horalume sends the LastDate it read from the registry with every
    // change on its pages; only a value different from the last one it sent
    // is news (the first record, or a sheet opened after a store).
    if (!g_calendar.haveRecord || settings.lastDate != g_calendar.lastRecordDate) {
        g_calendar.haveRememberedMonth = DecodeLastDate(settings.lastDate, g_calendar.rememberedMonth);
        g_calendar.lastRecordDate = settings.lastDate;
        g_calendar.haveRecord = true;
    }
    if (g_calendar.window == nullptr) {
        return;
    }
    g_calendar.settings = settings;
    ApplyOptions();
}
