#include "ClockWindow.h"

#include "ClockDefaults.h"
#include "ClockLook.h"
#include "ClockText.h"
#include "Component.h"
#include "HookApi.h"
#include "LocalClock.h"

#include <cstring>
#include <string>
#include <utility>
#include <vector>

constexpr UINT_PTR kTickTimer = 0x484C; // far from the ids the shell's clock uses

struct ClockState {
    HWND window = nullptr;
    WNDPROC originalProc = nullptr;
    bool attached = false;
    RECT originalRect = {0, 0, 0, 0}; // in the parent's coordinates
    ClockSettings settings = DefaultClockSettings();
    ClockLook look;
    LocaleTexts localeTexts;
    ElementTable elements;
    std::vector<RenderedLine> lines;
    std::string text; // the lines joined by "\n": the window's text
};

static ClockState g_clock;

ElementTable& ClockElements()
{
    return g_clock.elements;
}

static const char* FindElement(std::string_view name)
{
    return g_clock.elements.Find(name);
}

// Returns whether the text changed.
static bool RenderClock()
{
    RenderContext context;
    context.locale = &g_clock.localeTexts;
    context.elements = FindElement;
    context.resources = ReadResources();
    context.firstDay = g_clock.settings.firstDay;
    RenderClockFormat(g_clock.settings.clockFormatString, CurrentClockMoment(), context, g_clock.lines);
    std::string text = JoinLines(g_clock.lines, "\n");
    if (text == g_clock.text)
        return false;
    g_clock.text = std::move(text);
    return true;
}

static RECT RectInParent(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The clock keeps its right edge, where the taskbar put it.
static void FitClockWidth()
{
    int width = (g_clock.settings.displayFlags & DisplayFlag::FixedWidthOn)
                    ? g_clock.settings.fixedWidth
                    : RenderedWidth(g_clock.window, g_clock.look, g_clock.lines);
    constexpr int kWidestClock = 2000;
    width = width < 1 ? 1 : (width > kWidestClock ? kWidestClock : width);
    RECT rect = RectInParent(g_clock.window);
    if (rect.right - rect.left == width)
        return;
    int left = rect.right - width > 0 ? rect.right - width : 0;
    SetWindowPos(g_clock.window, nullptr, left, rect.top, width, rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void RefreshClock()
{
    if (!g_clock.attached || !RenderClock())
        return;
    FitClockWidth();
    InvalidateRect(g_clock.window, nullptr, FALSE);
}

static void ApplySettings()
{
    HFONT taskbarFont =
        reinterpret_cast<HFONT>(CallWindowProcA(g_clock.originalProc, g_clock.window, WM_GETFONT, 0, 0));
    g_clock.look.Apply(g_clock.settings, taskbarFont);
    g_clock.localeTexts = LocaleTextsFor(g_clock.settings.locale);
    RenderClock();
    FitClockWidth();
    InvalidateRect(g_clock.window, nullptr, FALSE);
}

static void ArmTickTimer()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    SetTimer(g_clock.window, kTickTimer, MillisecondsToNextSecond(now.wMilliseconds), nullptr);
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
    PaintClock(window, dc, g_clock.look, g_clock.lines);
    EndPaint(window, &paint);
}

static LRESULT CALLBACK ClockWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!g_clock.attached)
        return CallWindowProcA(g_clock.originalProc, window, message, wParam, lParam);

    switch (message) {
    case WM_TIMER:
        if (wParam != kTickTimer)
            break;
        RefreshClock();
        ArmTickTimer();
        return 0;
    case WM_PAINT:
        OnPaint(window);
        return 0;
    case WM_ERASEBKGND:
        return 1; // the paint fills every pixel
    case WM_GETTEXT:
        return static_cast<LRESULT>(CopyWindowText(g_clock.text, reinterpret_cast<char*>(lParam), wParam));
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(g_clock.text.size());
    case WM_COPYDATA:
        return OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
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
    g_clock.window = clock;
    g_clock.originalRect = RectInParent(clock);
    g_clock.settings = DefaultClockSettings();
    g_clock.text.clear();
    g_clock.originalProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(clock, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ClockWindowProc)));
    if (g_clock.originalProc == nullptr)
        return false;
    g_clock.attached = true;
    ApplySettings();
    ArmTickTimer();
    return true;
}

bool DetachClock(bool clockGoing)
{
    HWND clock = g_clock.window;
    g_clock.attached = false;
    KillTimer(clock, kTickTimer);
    g_clock.elements = ElementTable();
    bool onTop = GetWindowLongPtrA(clock, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(ClockWindowProc);
    if (onTop)
        SetWindowLongPtrA(clock, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_clock.originalProc));
    if (!clockGoing) {
        const RECT& rect = g_clock.originalRect;
        SetWindowPos(clock, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(clock, nullptr, TRUE);
    }
    return onTop;
}
