// The component's hidden top-level window in the shell's thread. It carries
// the model's second and the taskbar scan, and hears what the system tells
// only top-level windows (a display change), which an overlay clock, being a
// child window, never does.
#pragma once

#include <windows.h>

class HubHandler {
public:
    virtual void OnTick() = 0;
    // Taskbars may have come, gone or been laid out anew.
    virtual void OnScanDue() = 0;

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

    // The next tick just after the next second begins.
    void ArmTick();
    // A scan shortly: windows come in bursts (a taskbar, then its children),
    // and one scan after the burst sees them all.
    void ScheduleScan();

private:
    static const WNDPROC Procedure;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    HubHandler* handler_ = nullptr;
};
