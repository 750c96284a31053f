#include "ClockClicks.h"

#include "ClockCommands.h"
#include "ClockWindow.h"

constexpr UINT_PTR kClickTimer = 0x484D;

struct ClickState {
    bool buttonDown = false;  // a press on the clock whose release counts as a click
    bool passRelease = false; // the release belongs to the plain clock
};

static ClickState g_clicks;

static bool IsPlainClockCommand(std::uint32_t command)
{
    return command != ClockCommand::DoNothing && !IsClockMenuCommand(command);
}

bool OnClockClick(HWND clock, UINT message)
{
    const ClockSettings& settings = CurrentClockSettings();
    switch (message) {
    case WM_LBUTTONDOWN:
        g_clicks.buttonDown = true;
        g_clicks.passRelease = IsPlainClockCommand(settings.clickCommand);
        return !g_clicks.passRelease;
    case WM_LBUTTONDBLCLK:
        StopClockClicks(clock);
        g_clicks.passRelease = IsPlainClockCommand(settings.dblClickCommand);
        return RunClockCommand(clock, settings.dblClickCommand);
    case WM_LBUTTONUP: {
        bool wasClick = g_clicks.buttonDown;
        g_clicks.buttonDown = false;
        if (g_clicks.passRelease)
            return false;
        if (!wasClick)
            return true; // the release of a double click's second press
        if (settings.dblClickCommand == ClockCommand::DoNothing)
            RunClockCommand(clock, settings.clickCommand); // no double click to wait for
        else
            SetTimer(clock, kClickTimer, GetDoubleClickTime(), nullptr);
        return true;
    }
    }
    return false;
}

bool OnClockTimer(HWND clock, WPARAM id)
{
    if (id != kClickTimer)
        return false;
    KillTimer(clock, kClickTimer);
    RunClockCommand(clock, CurrentClockSettings().clickCommand);
    return true;
}

void StopClockClicks(HWND clock)
{
    KillTimer(clock, kClickTimer);
    g_clicks = ClickState();
}
