#include "ClockWindow.h"

#include "CalendarWindow.h"
#include "ClockClicks.h"
#include "ClockCommands.h"
#include "ClockDefaults.h"
#include "ClockLook.h"
#include "ClockMenu.h"
#include "ClockText.h"
#include "ClockTooltip.h"
#include "Component.h"
#include "HookApi.h"
#include "LocalClock.h"
#include "MonitorLines.h"

#include <cstring>
#include <string>
#include <utility>
#include <vector>

constexpr UINT_PTR kTickTimer = 0x484C; // far from the ids the shell's clock uses

struct ClockState {
    HWND window = nullptr;
    WNDPROC originalProc = nullptr;
    bool attached = false;
    // Taken out while another procedure sat on ours: ours still runs in the
    // clock's chain, passing everything through.
    bool chainedUnderOther = false;
    // Where the taskbar put the clock, in the parent's coordinates: its right
    // edge is kept for every width, and the clock goes back there when the
    // component lets go.
    RECT taskbarRect = {0, 0, 0, 0};
    bool placing = false; // our own SetWindowPos is under way
    ClockSettings settings = DefaultClockSettings();
    ClockLook look;
    LocaleTexts localeTexts;
    ElementTable elements;
    ResourceReadings readings; // sampled once a second, by the tick
    std::vector<RenderedLine> lines;
    std::string text; // the lines joined by "\n": the window's text
    MonitorLines monitorLines;
};

static ClockState g_clock;

ElementTable& ClockElements()
{
    return g_clock.elements;
}

const ClockSettings& CurrentClockSettings()
{
    return g_clock.settings;
}

static const char* FindElement(std::string_view name)
{
    return g_clock.elements.Find(name);
}

static RenderContext ClockRenderContext()
{
    RenderContext context;
    context.locale = &g_clock.localeTexts;
    context.elements = FindElement;
    context.resources = g_clock.readings;
    context.firstDay = g_clock.settings.firstDay;
    return context;
}

std::string RenderForClock(const char* format, const char* separator)
{
    return JoinLines(RenderClockFormat(format, CurrentClockMoment(), ClockRenderContext()), separator);
}

// Returns whether the text changed.
static bool RenderClock()
{
    RenderClockFormat(g_clock.settings.clockFormatString, CurrentClockMoment(), ClockRenderContext(), g_clock.lines);
    std::string text = JoinLines(g_clock.lines, "\n");
    if (text == g_clock.text)
        return false;
    g_clock.text = std::move(text);
    return true;
}

// Returns whether a line changed its length or colour.
static bool MeasureLines()
{
    RECT client;
    GetClientRect(g_clock.window, &client);
    MonitorLines lines = MeasureMonitorLines(g_clock.settings, g_clock.readings, client.right);
    if (lines == g_clock.monitorLines)
        return false;
    g_clock.monitorLines = lines;
    return true;
}

static RECT RectInParent(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The clock keeps the right edge where the taskbar put it. A width beyond
// the room left of that edge is cut to the room, so the clock stays inside
// its parent.
static void FitClockWidth()
{
    int width = (g_clock.settings.displayFlags & DisplayFlag::FixedWidthOn)
                    ? g_clock.settings.fixedWidth
                    : RenderedWidth(g_clock.window, g_clock.look, g_clock.lines);
    constexpr int kWidestClock = 2000;
    width = width < 1 ? 1 : (width > kWidestClock ? kWidestClock : width);
    const RECT& taskbar = g_clock.taskbarRect;
    int left = taskbar.right - width > 0 ? taskbar.right - width : 0;
    RECT rect = RectInParent(g_clock.window);
    if (rect.left == left && rect.right == taskbar.right && rect.top == taskbar.top && rect.bottom == taskbar.bottom)
        return;
    g_clock.placing = true;
    SetWindowPos(g_clock.window, nullptr, left, taskbar.top, taskbar.right - left, taskbar.bottom - taskbar.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    g_clock.placing = false;
}

// The taskbar moved or sized the clock itself: its new right edge is the one
// to keep (with the taskbar's width, should it only have moved the clock).
static void OnTaskbarPlacedClock(const WINDOWPOS& position)
{
    RECT placed = RectInParent(g_clock.window);
    RECT& taskbar = g_clock.taskbarRect;
    if (position.flags & SWP_NOSIZE)
        placed.left = placed.right - (taskbar.right - taskbar.left);
    taskbar = placed;
    FitClockWidth();
}

static void Redraw(bool textChanged)
{
    if (textChanged)
        FitClockWidth();
    bool linesChanged = MeasureLines();
    if (textChanged || linesChanged)
        InvalidateRect(g_clock.window, nullptr, FALSE);
}

void RefreshClock()
{
    if (g_clock.attached)
        Redraw(RenderClock());
}

static void SampleReadings()
{
    const ClockSettings& settings = g_clock.settings;
    g_clock.readings = SampleResources((settings.displayFlags & DisplayFlag::CpuMonitor) != 0,
                                       (settings.displayFlags & DisplayFlag::PhysicalRamOnly) != 0);
}

static void ApplySettings()
{
    HFONT taskbarFont =
        reinterpret_cast<HFONT>(CallWindowProcA(g_clock.originalProc, g_clock.window, WM_GETFONT, 0, 0));
    g_clock.look.Apply(g_clock.settings, taskbarFont);
    g_clock.localeTexts = LocaleTextsFor(g_clock.settings.locale);
    RenderClock();
    FitClockWidth();
    MeasureLines();
    InvalidateRect(g_clock.window, nullptr, FALSE);
    UpdateClockHotkey(g_clock.window, g_clock.settings.hotkeyCommand);
    OnCalendarSettingsChanged(g_clock.settings);
}

static void ArmTickTimer()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    SetTimer(g_clock.window, kTickTimer, MillisecondsToNextSecond(now.wMilliseconds), nullptr);
}

// One tick a second: the readings, the text, the lines and an open tooltip.
static void OnTick()
{
    SampleReadings();
    RefreshClock();
    RefreshClockTooltip();
    ArmTickTimer();
}

// Takes a settings record from Horalume; anything that is not exactly one
// record is refused without being read.
static LRESULT OnCopyData(const COPYDATASTRUCT* data)
{
    if (data == nullptr || data->dwData != hookapi::kSettingsCopyDataId || data->cbData != kClockSettingsSize ||
        data->lpData == nullptr)
        return FALSE;
    memcpy(&g_clock.settings, data->lpData, kClockSettingsSize);
    TerminateFormatStrings(g_clock.settings);
    ApplySettings();
    return TRUE;
}

static void OnPaint(HWND window)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    PaintClock(window, dc, g_clock.look, g_clock.lines, g_clock.monitorLines);
    EndPaint(window, &paint);
}

static LRESULT CALLBACK ClockWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!g_clock.attached) {
        if (message == WM_NCDESTROY)
            g_clock.chainedUnderOther = false;
        return CallWindowProcA(g_clock.originalProc, window, message, wParam, lParam);
    }

    switch (message) {
    case WM_TIMER:
        if (wParam == kTickTimer) {
            OnTick();
            return 0;
        }
        if (OnClockTimer(window, wParam) || OnTooltipTimer(wParam))
            return 0;
        break;
    case WM_PAINT:
        OnPaint(window);
        return 0;
    case WM_ERASEBKGND:
        return 1; // the paint fills every pixel
    case WM_SIZE:
        Redraw(false);
        break;
    case WM_WINDOWPOSCHANGED: {
        const WINDOWPOS& position = *reinterpret_cast<const WINDOWPOS*>(lParam);
        LRESULT result = CallWindowProcA(g_clock.originalProc, window, message, wParam, lParam);
        if (!g_clock.placing && (position.flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE))
            OnTaskbarPlacedClock(position);
        return result;
    }
    case WM_GETTEXT:
        return static_cast<LRESULT>(CopyWindowText(g_clock.text, reinterpret_cast<char*>(lParam), wParam));
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(g_clock.text.size());
    case WM_COPYDATA:
        return OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_MOUSEMOVE:
        OnTooltipMouseMove(window);
        break;
    case WM_MOUSEHOVER:
        ShowClockTooltip(window);
        return 0;
    case WM_MOUSELEAVE:
        OnTooltipMouseLeave();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        OnTooltipClick();
        if (OnClockClick(window, message))
            return 0;
        break;
    case WM_HOTKEY:
        if (OnClockHotkey(window, wParam))
            return 0;
        break;
    case WM_CONTEXTMENU:
        OnTooltipClick();
        OnClockContextMenu(window, g_clock.originalProc, wParam, lParam);
        return 0;
    case WM_INITMENUPOPUP:
        OnClockInitMenuPopup(window, reinterpret_cast<HMENU>(wParam), lParam);
        break;
    case WM_MEASUREITEM:
        if (OnMenuMeasureItem(window, reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)))
            return TRUE;
        break;
    case WM_DRAWITEM:
        if (OnMenuDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)))
            return TRUE;
        break;
    case WM_COMMAND:
        if (HIWORD(wParam) == 0 && lParam == 0 && IsClockMenuCommand(LOWORD(wParam))) {
            RunClockCommand(window, LOWORD(wParam));
            return 0;
        }
        break;
    case WM_NCDESTROY: {
        WNDPROC original = g_clock.originalProc;
        OnClockDestroyed();
        return CallWindowProcA(original, window, message, wParam, lParam);
    }
    }
    return CallWindowProcA(g_clock.originalProc, window, message, wParam, lParam);
}

bool AttachClock(HWND clock)
{
    if (g_clock.chainedUnderOther) {
        // Ours still serves that clock's chain with one original procedure;
        // a second clock cannot share it.
        if (clock != g_clock.window)
            return false;
    } else {
        // Subclassing a clock whose chain still holds ours would make ours
        // call itself; hence only here.
        WNDPROC original = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(clock, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ClockWindowProc)));
        if (original == nullptr)
            return false;
        g_clock.originalProc = original;
    }
    g_clock.window = clock;
    g_clock.chainedUnderOther = false;
    g_clock.taskbarRect = RectInParent(clock);
    g_clock.settings = DefaultClockSettings();
    g_clock.text.clear();
    g_clock.monitorLines = MonitorLines();
    g_clock.attached = true;
    SampleReadings();
    CreateClockTooltip(clock);
    ApplySettings();
    ArmTickTimer();
    return true;
}

bool DetachClock(bool clockGoing)
{
    HWND clock = g_clock.window;
    g_clock.attached = false;
    KillTimer(clock, kTickTimer);
    StopClockClicks(clock);
    UpdateClockHotkey(clock, ClockCommand::DoNothing);
    CloseCalendar();
    DestroyClockTooltip();
    g_clock.elements = ElementTable();
    bool onTop = GetWindowLongPtrA(clock, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(ClockWindowProc);
    if (onTop)
        SetWindowLongPtrA(clock, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_clock.originalProc));
    g_clock.chainedUnderOther = !onTop && !clockGoing;
    if (!clockGoing) {
        const RECT& rect = g_clock.taskbarRect;
        SetWindowPos(clock, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(clock, nullptr, TRUE);
    }
    return onTop;
}
