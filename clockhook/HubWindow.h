// The component's hidden top-level window in the shell's thread. It carries
// the clock's wake timer and the taskbar scan, and hears what the system
// tells only top-level windows (a display or time change, a resume), which
// an overlay clock, being a child window, never does.
#pragma once

#include "clockhook/TaskbarTheme.h"

#include <windows.h>

class HubHandler {
public:
    // The wake timer fired, or the time jumped (a change of the clock or the
    // zone, a resume from sleep): the texts may have changed.
    virtual void OnTick() = 0;
    // Taskbars may have come, gone or been laid out anew.
    virtual void OnScanDue() = 0;
    // The taskbar's theme or the system colours changed.
    virtual void OnLookChanged() = 0;
    // The clock locator's slow timer fired: the taskbars' content is due for
    // a look.
    virtual void OnLocateDue() = 0;
    // The clock locator changed an answer.
    virtual void OnLocated() = 0;

protected:
    ~HubHandler() = default;
};

class HubWindow {
public:
    HubWindow() = default;
    HubWindow(const HubWindow&) = delete;
    HubWindow& operator=(const HubWindow&) = delete;
    ~HubWindow() { Destroy(); }

    bool Create(HubHandler& handler);
    void Destroy();

    // The next tick after the delay (see NextWakeDelay).
    void ArmTick(UINT delayMs);
    // A scan shortly: windows come in bursts (a taskbar, then its children),
    // and one scan after the burst sees them all.
    void ScheduleScan();

    // Where and with what the clock locator tells of its answers.
    HWND Window() const { return window_; }
    static constexpr UINT kLocatedMessage = WM_APP + 0x48;

private:
    static const WNDPROC Procedure;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    HubHandler* handler_ = nullptr;
    TaskbarTheme theme_ = TaskbarTheme::System; // the one the clocks show
};
