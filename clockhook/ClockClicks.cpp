#include "clockhook/ClockClicks.h"

#include "clockhook/ClockCommands.h"
#include "clockhook/model/ClockIds.h"

static bool IsPlainClockCommand(std::uint32_t command)
{
    return command != ClockCommand::DoNothing && !IsClockMenuCommand(command);
}

bool ClockClicks::OnClick(HWND clock, const ClockModel& model, CalendarWindow& calendar, UINT message)
{
    const ClockSettings& settings = model.Settings();
    switch (message) {
    case WM_LBUTTONDOWN:
        buttonDown_ = true;
        passRelease_ = IsPlainClockCommand(settings.clickCommand);
        return !passRelease_;
    case WM_LBUTTONDBLCLK:
        Stop(clock);
        passRelease_ = IsPlainClockCommand(settings.dblClickCommand);
        return RunClockCommand(clock, model, calendar, settings.dblClickCommand);
    case WM_LBUTTONUP: {
        bool wasClick = buttonDown_;
        buttonDown_ = false;
        if (passRelease_) {
            return false;
        }
        if (!wasClick) {
            return true; // the release of a double click's second press
        }
        if (settings.dblClickCommand == ClockCommand::DoNothing) {
            RunClockCommand(clock, model, calendar, settings.clickCommand); // no double click to wait for
        } else {
            SetTimer(clock, kClickTimer, GetDoubleClickTime(), nullptr);
        }
        return true;
    }
    }
    return false;
}

bool ClockClicks::OnTimer(HWND clock, const ClockModel& model, CalendarWindow& calendar, WPARAM id)
{
    if (id != kClickTimer) {
        return false;
    }
    KillTimer(clock, kClickTimer);
    RunClockCommand(clock, model, calendar, model.Settings().clickCommand);
    return true;
}

void ClockClicks::Stop(HWND clock)
{
    KillTimer(clock, kClickTimer);
    buttonDown_ = false;
    passRelease_ = false;
}
