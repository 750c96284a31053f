// A window that shows the clock model: a shell clock window, subclassed, or
// an overlay clock of our own over a taskbar that has none. One object per
// window, found from the window through a window
// property (the shell owns the window's user data). Per window it keeps what
// that window shows: the rendered lines, the look, the monitor lines, the
// taskbar's right edge, the tooltip and the click state.
#pragma once

#include "clockhook/ClockClicks.h"
#include "clockhook/ClockLook.h"
#include "clockhook/ClockMenu.h"
#include "clockhook/ClockTooltip.h"
#include "clockhook/MonitorLines.h"
#include "clockhook/model/ClockModel.h"
#include "clockhook/model/OverlayPlacement.h"

#include <windows.h>

#include <string>
#include <vector>

class ClockSurface;

// What a surface asks of the component that wires it.
class SurfaceHost {
public:
    // The tooltip came up: its format now counts for the clock's wake.
    virtual void OnTooltipShown() = 0;
    // The surface's window is being destroyed; the host may delete the
    // surface, which is no longer used after this call.
    virtual void OnSurfaceGone(ClockSurface& surface) = 0;
    // The calendar the clock's commands open, and the clock's menu.
    virtual CalendarWindow& Calendar() = 0;
    virtual ClockMenu& Menu() = 0;

protected:
    ~SurfaceHost() = default;
};

class ClockSurface final : public ClockObserver {
public:
    ClockSurface(ClockModel& model, SurfaceHost& host) : model_(model), host_(host) {}
    ClockSurface(const ClockSurface&) = delete;
    ClockSurface& operator=(const ClockSurface&) = delete;

    // Subclasses the window (or takes up our procedure where it still runs
    // in the window's chain), shows the model and follows it. Fails when
    // the window refuses the procedure, or for another window while ours
    // still runs in this one's chain.
    bool Attach(HWND window);
    // Puts an overlay clock on the taskbar, showing the model and following
    // it. Fails when the window cannot be made.
    bool Cover(HWND taskbar);
    // Stops following the model and gives the window back its own procedure
    // and, unless it is being destroyed, its place and look; an overlay is
    // destroyed. Returns false
    // when another procedure was put on top of ours, which then stays in
    // the chain passing everything through: this object must live on (and
    // the library stay loaded) until the window goes.
    bool Detach(bool windowGoing);

    HWND Window() const { return window_; }
    HWND Taskbar() const { return taskbar_; }
    bool Attached() const { return attached_; }
    bool Overlay() const { return overlay_; }
    bool PassingThrough() const { return chainedUnderOther_; }
    bool TooltipShown() const { return tooltip_.Shown(); }

    // The surface follows its taskbar's edge and DPI; an overlay is placed
    // again at its anchor and kept above the taskbar's other children.
    // Cheap when nothing changed.
    // located: the taskbar's elements as the clock locator last found them.
    void FollowTaskbar(const std::vector<LocatedElement>& located);
    // Everything a record, the taskbar's theme or its DPI may change,
    // applied before the caller goes on: a sender reading the window right
    // after sees the new size. Only the painting waits for WM_PAINT.
    void Restyle();

    // The procedure subclassing shell clocks, which finds its surface by a
    // window property; and the overlay class's, bound as our other windows.
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static const WNDPROC OverlayProcedure;

    void OnClockChanged(ClockChange change) override;

private:
    void Show();
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool HandleMouse(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    LRESULT OnWindowGoing(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT PassOn(UINT message, WPARAM wParam, LPARAM lParam);

    bool Render();
    bool MeasureLines();
    void FitSize();
    void Redraw(bool textChanged);
    void OnTaskbarPlaced(const WINDOWPOS& position);
    bool FollowEdge();
    void FitFontToRoom();
    void Paint();

    ClockModel& model_;
    SurfaceHost& host_;
    HWND window_ = nullptr;
    HWND taskbar_ = nullptr;
    bool overlay_ = false;
    // For an overlay, the plain window behaviour beneath ours.
    WNDPROC originalProc_ = nullptr;
    bool attached_ = false;
    // Taken out while another procedure sat on ours: ours still runs in the
    // window's chain, passing everything through.
    bool chainedUnderOther_ = false;
    // Where the taskbar put the window, in its parent's coordinates: its
    // right edge is kept for every width, and the window goes back there
    // when the surface lets go. An overlay's anchor.
    RECT taskbarRect_ = {0, 0, 0, 0};
    OverlayRule rule_ = OverlayRule::Guess; // what placed an overlay's room
    bool placing_ = false;                  // our own SetWindowPos is under way
    bool vertical_ = false;                 // the taskbar stands along the left or right edge
    ClockLook look_;
    std::vector<RenderedLine> lines_;
    std::string text_; // the lines joined by "\n": the window's text
    MonitorLines monitorLines_;
    BackBuffer backBuffer_;
    ClockTooltip tooltip_;
    ClockClicks clicks_;
};
