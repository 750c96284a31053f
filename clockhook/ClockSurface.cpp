#include "clockhook/ClockSurface.h"

#include "clockhook/ClockCommands.h"
#include "clockhook/ClockMenu.h"
#include "clockhook/LocalClock.h"
#include "clockhook/OverlayClock.h"
#include "clockhook/PopupPlacement.h"
#include "clockhook/model/ClockIds.h"
#include "clockhook/model/ClockText.h"
#include "win32/TaskbarClock.h"
#include "win32/Win32Handles.h"
#include "win32/WindowBinding.h"

#include <utility>

// Finds a subclassed shell clock's surface: the shell owns its USERDATA.
constexpr char kSurfaceProperty[] = "HoralumeClockSurface";

bool ClockSurface::Attach(HWND window)
{
    if (chainedUnderOther_) {
        // Ours still serves that window's chain with one original procedure.
        if (window != window_) {
            return false;
        }
    } else {
        // Subclassing a window whose chain still holds ours would make ours
        // call itself; hence only here.
        if (!SetPropA(window, kSurfaceProperty, this)) {
            return false;
        }
        WNDPROC original = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ClockSurface::Procedure)));
        if (original == nullptr) {
            RemovePropA(window, kSurfaceProperty);
            return false;
        }
        originalProc_ = original;
    }
    window_ = window;
    taskbar_ = GetAncestor(window, GA_ROOT);
    overlay_ = false;
    chainedUnderOther_ = false;
    taskbarRect_ = RectInParent(window);
    vertical_ = IsVertical(EdgeOfClock(window));
    Show();
    return true;
}

// Beneath an overlay: a plain window with no right-click menu of its own.
static LRESULT CALLBACK OverlayBase(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return message == WM_CONTEXTMENU ? 0 : DefWindowProcA(window, message, wParam, lParam);
}

bool ClockSurface::Cover(HWND taskbar)
{
    HWND bridge = ClockBridgeOfTaskbar(taskbar);
    // Set before the window exists: its first messages pass on to the base.
    overlay_ = true;
    originalProc_ = OverlayBase;
    HWND overlay = bridge != nullptr ? CreateOverlay(taskbar, this) : nullptr;
    if (overlay == nullptr) {
        overlay_ = false;
        originalProc_ = nullptr;
        return false;
    }
    window_ = overlay;
    taskbar_ = taskbar;
    vertical_ = IsVertical(EdgeOfClock(overlay));
    const OverlayRoom room = PlaceOverlay(taskbar, bridge, vertical_, WindowDpi(overlay), {});
    taskbarRect_ = RectOf(room.room);
    rule_ = room.rule;
    Show();
    ShowWindow(overlay, SW_SHOWNA);
    return true;
}

void ClockSurface::Show()
{
    text_.clear();
    monitorLines_ = MonitorLines();
    attached_ = true;
    tooltip_.Create(window_);
    model_.AddObserver(*this);
    Restyle();
}

bool ClockSurface::Detach(bool windowGoing)
{
    model_.RemoveObserver(*this);
    attached_ = false;
    clicks_.Stop(window_);
    tooltip_.Destroy();
    if (overlay_) {
        UnbindWindow(window_); // its destruction is no news to the host
        if (!windowGoing) {
            DestroyWindow(window_);
        }
        return true;
    }
    bool onTop = GetWindowLongPtrA(window_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&ClockSurface::Procedure);
    if (onTop) {
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalProc_));
        RemovePropA(window_, kSurfaceProperty);
    }
    chainedUnderOther_ = !onTop && !windowGoing;
    if (!windowGoing) {
        const RECT& rect = taskbarRect_;
        SetWindowPos(window_, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(window_, nullptr, TRUE);
    }
    return onTop;
}

// At each wake and scan, so it only compares: laid out anew on a new edge or DPI,
// an overlay placed again when its anchor moved and raised above new siblings.
void ClockSurface::FollowTaskbar(const std::vector<LocatedElement>& located)
{
    FollowEdge();
    if (!overlay_) {
        return;
    }
    HWND bridge = ClockBridgeOfTaskbar(taskbar_);
    if (bridge != nullptr) {
        const OverlayRoom room = PlaceOverlay(taskbar_, bridge, vertical_, look_.Dpi(), located);
        const RECT anchor = RectOf(room.room);
        if (!EqualRect(&anchor, &taskbarRect_) || room.rule != rule_) {
            taskbarRect_ = anchor;
            rule_ = room.rule;
            FitSize();
        }
    }
    if (GetWindow(taskbar_, GW_CHILD) != window_) {
        SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

// A move to another edge or monitor, or a DPI change, lays the clock out anew.
bool ClockSurface::FollowEdge()
{
    const bool vertical = IsVertical(EdgeOfClock(window_));
    if (vertical == vertical_ && WindowDpi(window_) == look_.Dpi()) {
        return false;
    }
    vertical_ = vertical;
    Restyle();
    return true;
}

void ClockSurface::OnClockChanged(ClockChange change)
{
    if (change == ClockChange::Settings) {
        Restyle();
        return;
    }
    Redraw(Render());
    if (change == ClockChange::Tick) {
        tooltip_.Refresh(model_);
    }
}

void ClockSurface::Restyle()
{
    HFONT taskbarFont = reinterpret_cast<HFONT>(CallWindowProcA(originalProc_, window_, WM_GETFONT, 0, 0));
    look_.Apply(model_.Settings(), taskbarFont, WindowDpi(window_));
    look_.SetCentred(vertical_);
    Render();
    FitSize();
    MeasureLines();
    InvalidateRect(window_, nullptr, FALSE);
}

// Returns whether the text changed.
bool ClockSurface::Render()
{
    model_.RenderLines(model_.Settings().clockFormatString, CurrentClockMoment(), lines_);
    std::string text = JoinLines(lines_, "\n");
    if (text == text_) {
        return false;
    }
    text_ = std::move(text);
    return true;
}

// Returns whether a line changed its length or colour.
bool ClockSurface::MeasureLines()
{
    RECT client;
    GetClientRect(window_, &client);
    MonitorLines lines = MeasureMonitorLines(model_.Settings(), model_.Readings(), client.right, look_.Scaled(2));
    if (lines == monitorLines_) {
        return false;
    }
    monitorLines_ = lines;
    return true;
}

// On a horizontal bar the window keeps the right edge the taskbar put it at, as
// wide as its text (or FixedWidth at 96 DPI), cut to the room left of that edge.
// On a vertical bar a shell clock keeps the shell's size and an overlay is as
// tall as its lines at the room's bottom, text wider than the bar cut.
void ClockSurface::FitSize()
{
    const RECT& room = taskbarRect_;
    RECT fitted = room;
    if (overlay_ && rule_ == OverlayRule::Located) {
        FitFontToRoom();
    } else if (!vertical_) {
        const ClockSettings& settings = model_.Settings();
        int width = (settings.displayFlags & DisplayFlag::FixedWidthOn) ? look_.Scaled(settings.fixedWidth)
                                                                        : RenderedWidth(backBuffer_, look_, lines_);
        constexpr int kWidestClock = 2000;
        width = width < 1 ? 1 : (width > kWidestClock ? kWidestClock : width);
        if (overlay_ && width < look_.Scaled(kSystemClockWidth)) {
            width = look_.Scaled(kSystemClockWidth);
        }
        fitted.left = room.right - width > 0 ? room.right - width : 0;
    } else if (overlay_) {
        int height = RenderedHeight(backBuffer_, look_, lines_);
        height = height > look_.Scaled(kSystemClockHeight) ? height : look_.Scaled(kSystemClockHeight);
        fitted.top = room.bottom - height > room.top ? room.bottom - height : room.top;
    }
    RECT rect = RectInParent(window_);
    if (EqualRect(&rect, &fitted)) {
        return;
    }
    placing_ = true;
    SetWindowPos(window_, nullptr, fitted.left, fitted.top, fitted.right - fitted.left, fitted.bottom - fitted.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    placing_ = false;
}

// An overlay on the located clock covers it exactly: text wider than the
// clock is drawn smaller, down to the floor, and cut below it.
void ClockSurface::FitFontToRoom()
{
    look_.FitFont(0);
    const int width = RenderedWidth(backBuffer_, look_, lines_);
    look_.FitFont(FittedFontHeight(look_.NaturalHeight(), width, taskbarRect_.right - taskbarRect_.left,
                                   look_.Scaled(kFittedTextFloor)));
}

// The taskbar moved or sized the window itself: its new right edge is kept (with
// the taskbar's width, should it only have moved it), laid out for its edge now.
void ClockSurface::OnTaskbarPlaced(const WINDOWPOS& position)
{
    RECT placed = RectInParent(window_);
    if (position.flags & SWP_NOSIZE) {
        placed.left = placed.right - (taskbarRect_.right - taskbarRect_.left);
    }
    taskbarRect_ = placed;
    if (!FollowEdge()) {
        FitSize();
    }
}

void ClockSurface::Redraw(bool textChanged)
{
    if (textChanged) {
        FitSize();
    }
    bool linesChanged = MeasureLines();
    if (textChanged || linesChanged) {
        InvalidateRect(window_, nullptr, FALSE);
    }
}

void ClockSurface::Paint()
{
    PaintDC dc(window_);
    PaintClock(window_, dc.Get(), look_, lines_, monitorLines_, backBuffer_);
}

const WNDPROC ClockSurface::OverlayProcedure =
    BoundWindowProc<ClockSurface, &ClockSurface::window_, &ClockSurface::HandleMessage>;

LRESULT CALLBACK ClockSurface::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // A property, not WindowBinding.h: the shell owns a clock's user data.
    ClockSurface* surface = static_cast<ClockSurface*>(GetPropA(window, kSurfaceProperty));
    if (surface == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam); // never while ours is in the chain
    }
    return surface->HandleMessage(message, wParam, lParam);
}

LRESULT ClockSurface::PassOn(UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcA(originalProc_, window_, message, wParam, lParam);
}

// The host may delete this surface, so nothing of it is used afterwards.
LRESULT ClockSurface::OnWindowGoing(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND window = window_;
    WNDPROC original = originalProc_;
    if (overlay_) {
        UnbindWindow(window);
    } else {
        RemovePropA(window, kSurfaceProperty);
    }
    host_.OnSurfaceGone(*this);
    return CallWindowProcA(original, window, message, wParam, lParam);
}

// Clicks, the menu, the tooltip, the hot key: whether handled, with the result.
bool ClockSurface::HandleMouse(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    result = 0;
    switch (message) {
    case WM_MOUSEMOVE:
        tooltip_.OnMouseMove();
        return false;
    case WM_MOUSEHOVER:
        tooltip_.Show(model_);
        if (tooltip_.Shown()) {
            host_.OnTooltipShown();
        }
        return true;
    case WM_MOUSELEAVE:
        tooltip_.OnMouseLeave();
        return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        tooltip_.OnClick();
        return clicks_.OnClick(window_, model_, host_.Calendar(), message);
    case WM_HOTKEY:
        return OnClockHotkey(window_, model_, host_.Calendar(), wParam);
    case WM_CONTEXTMENU:
        tooltip_.OnClick();
        host_.Menu().OnContextMenu(window_, originalProc_, model_, wParam, lParam);
        return true;
    case WM_INITMENUPOPUP:
        host_.Menu().OnInitMenuPopup(reinterpret_cast<HMENU>(wParam), model_, lParam);
        return false;
    case WM_MEASUREITEM:
        result = TRUE;
        return OnMenuMeasureItem(window_, reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    case WM_DRAWITEM:
        result = TRUE;
        return OnMenuDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_COMMAND:
        if (HIWORD(wParam) != 0 || lParam != 0 || !IsClockMenuCommand(LOWORD(wParam))) {
            return false;
        }
        RunClockCommand(window_, model_, host_.Calendar(), LOWORD(wParam));
        return true;
    }
    return false;
}

LRESULT ClockSurface::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCDESTROY) {
        return OnWindowGoing(message, wParam, lParam);
    }
    if (!attached_) {
        return PassOn(message, wParam, lParam);
    }
    LRESULT result = 0;
    switch (message) {
    case WM_TIMER:
        if (clicks_.OnTimer(window_, model_, host_.Calendar(), wParam) || tooltip_.OnTimer(wParam)) {
            return 0;
        }
        break;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1; // the paint fills every pixel
    case WM_SIZE:
        Redraw(false);
        break;
    case WM_WINDOWPOSCHANGED: {
        const WINDOWPOS& position = *reinterpret_cast<const WINDOWPOS*>(lParam);
        result = PassOn(message, wParam, lParam);
        if (!placing_ && !overlay_ && (position.flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE)) {
            OnTaskbarPlaced(position);
        }
        return result;
    }
    case WM_GETTEXT:
        return static_cast<LRESULT>(CopyWindowText(text_, reinterpret_cast<char*>(lParam), wParam));
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(text_.size());
    case WM_COPYDATA: {
        const COPYDATASTRUCT* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        return data != nullptr && model_.AcceptRecord(data->dwData, data->lpData, data->cbData) ? TRUE : FALSE;
    }
    default:
        if (HandleMouse(message, wParam, lParam, result)) {
            return result;
        }
    }
    return PassOn(message, wParam, lParam);
}
