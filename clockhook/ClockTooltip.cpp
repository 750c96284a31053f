#include "clockhook/ClockTooltip.h"

#include "clockhook/ClockLook.h"
#include "clockhook/LocalClock.h"
#include "clockhook/PopupPlacement.h"
#include "clockhook/model/ClockChoices.h"
#include "clockhook/model/ClockIds.h"

#include <commctrl.h>

// How long a tooltip stays up by itself: the system tooltips' own default.
static UINT AutoHideMilliseconds()
{
    return GetDoubleClickTime() * 10;
}

static TOOLINFOA ToolInfo(HWND clock, char* text)
{
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = clock;
    tool.uId = reinterpret_cast<UINT_PTR>(clock);
    tool.lpszText = text;
    return tool;
}

void ClockTooltip::Create(HWND clock)
{
    Destroy();
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    clock_ = clock;
    tip_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, TOOLTIPS_CLASSA, nullptr,
                           WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, clock, nullptr, nullptr, nullptr);
    if (tip_ == nullptr) {
        return;
    }
    char empty[] = "";
    TOOLINFOA tool = ToolInfo(clock_, empty);
    SendMessageA(tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    // Lines break only where the format breaks them.
    SendMessageA(tip_, TTM_SETMAXTIPWIDTH, 0, GetSystemMetrics(SM_CXSCREEN));
}

void ClockTooltip::Destroy()
{
    if (tip_ != nullptr) {
        DestroyWindow(tip_);
    }
    if (clock_ != nullptr) {
        KillTimer(clock_, kHideTimer);
    }
    clock_ = nullptr;
    tip_ = nullptr;
    tracking_ = shown_ = clicked_ = false;
    text_.clear();
}

// Returns whether there is anything to show.
bool ClockTooltip::UpdateText(const ClockModel& model)
{
    std::string text = model.Render(TooltipFormat(model.Settings()), CurrentClockMoment(), "\r\n");
    if (text == text_) {
        return !text.empty();
    }
    text_ = text;
    TOOLINFOA tool = ToolInfo(clock_, &text_[0]);
    SendMessageA(tip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    return !text.empty();
}

// Beside the clock on the screen's side of its taskbar, at the mouse along
// a horizontal bar; always within the screen. The tip's size is known once
// it shows.
void ClockTooltip::Place()
{
    RECT clock;
    GetWindowRect(clock_, &clock);
    RECT tip;
    GetWindowRect(tip_, &tip);
    int width = tip.right - tip.left;
    int height = tip.bottom - tip.top;
    const Box screen = MonitorBoxOf(clock_, false);
    const TaskbarEdge edge = EdgeOfClock(clock_);
    const int gap = MulDiv(2, WindowDpi(clock_), 96);
    Spot spot = PopupBeside(BoxOf(clock), TaskbarBoxOf(clock_), width, height, edge, screen, gap);
    if (!IsVertical(edge)) {
        spot = KeepWithin({anchorX_ - width / 2, spot.y}, width, height, screen);
    }
    SendMessageA(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM(spot.x, spot.y));
}

void ClockTooltip::OnMouseMove()
{
    if (tracking_ || clock_ == nullptr) {
        return;
    }
    TRACKMOUSEEVENT track = {sizeof track, TME_HOVER | TME_LEAVE, clock_, HOVER_DEFAULT};
    tracking_ = TrackMouseEvent(&track) != 0;
}

void ClockTooltip::Show(const ClockModel& model)
{
    if (tip_ == nullptr || shown_ || clicked_ || !UpdateText(model)) {
        return;
    }
    POINT cursor;
    GetCursorPos(&cursor);
    anchorX_ = cursor.x;
    TOOLINFOA tool = ToolInfo(clock_, nullptr);
    SendMessageA(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    Place();
    shown_ = true;
    if (!(model.Settings().displayFlags & DisplayFlag::TooltipStays)) {
        SetTimer(clock_, kHideTimer, AutoHideMilliseconds(), nullptr);
    }
}

void ClockTooltip::Hide()
{
    if (!shown_) {
        return;
    }
    KillTimer(clock_, kHideTimer);
    TOOLINFOA tool = ToolInfo(clock_, nullptr);
    SendMessageA(tip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
    shown_ = false;
}

void ClockTooltip::OnMouseLeave()
{
    tracking_ = false;
    clicked_ = false;
    Hide();
}

void ClockTooltip::OnClick()
{
    Hide();
    clicked_ = true;
}

void ClockTooltip::Refresh(const ClockModel& model)
{
    if (!shown_) {
        return;
    }
    if (UpdateText(model)) {
        Place(); // the text may have grown
    } else {
        Hide();
    }
}

bool ClockTooltip::OnTimer(WPARAM id)
{
    if (id != kHideTimer) {
        return false;
    }
    Hide();
    return true;
}
