#include "clockhook/HubWindow.h"

#include "clockhook/TaskbarTheme.h"
#include "clockhook/WakeTimer.h"
#include "clockhook/model/ClockIds.h"
#include "win32/ModuleOf.h"
#include "win32/WindowBinding.h"

constexpr char kHubWindowClass[] = "HoralumeComponent";
constexpr UINT kScanDelayMs = 250;
// The slow look: a badge or the moon appearing moves no window, so where no
// event tells of it this is how soon the overlay follows.
constexpr UINT kLocatePeriodMs = 5000;
constexpr UINT kDpiChangedMessage = 0x02E0; // WM_DPICHANGED, newer than the headers we build for

bool HubWindow::Create(HubHandler& handler)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = ThisModule();
    windowClass.lpszClassName = kHubWindowClass;
    if (RegisterClassA(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        return false;
    }
    handler_ = &handler;
    theme_ = ReadTaskbarTheme();
    // Top-level, so that broadcasts reach it; never shown.
    if (CreateWindowExA(WS_EX_TOOLWINDOW, kHubWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, ThisModule(),
                        this) == nullptr) {
        UnregisterClassA(kHubWindowClass, ThisModule());
        return false;
    }
    SetTimer(window_, kLocateTimer, kLocatePeriodMs, nullptr);
    return true;
}

void HubWindow::Destroy()
{
    if (window_ != nullptr) {
        DestroyWindow(window_);
        window_ = nullptr;
        UnregisterClassA(kHubWindowClass, ThisModule());
    }
}

void HubWindow::ArmTick(UINT delayMs)
{
    if (window_ != nullptr) { // a timer without a window would be the thread's
        SetWakeTimer(window_, kTickTimer, delayMs);
    }
}

void HubWindow::ScheduleScan()
{
    SetTimer(window_, kScanTimer, kScanDelayMs, nullptr);
}

LRESULT HubWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        if (wParam == kTickTimer) {
            handler_->OnTick();
        } else if (wParam == kScanTimer) {
            KillTimer(window_, kScanTimer);
            handler_->OnScanDue();
        } else if (wParam == kLocateTimer) {
            handler_->OnLocateDue();
        }
        return 0;
    case kLocatedMessage:
        handler_->OnLocated();
        return 0;
    case WM_DISPLAYCHANGE:
    case kDpiChangedMessage:
        ScheduleScan();
        break;
    case WM_SETTINGCHANGE: {
        handler_->OnLocateDue(); // seconds shown, the alignment, the date hidden
        // The theme read again as well: Wine garbles a broadcast's text.
        const TaskbarTheme theme = ReadTaskbarTheme();
        if (IsThemeChange(lParam) || theme != theme_) {
            theme_ = theme;
            handler_->OnLookChanged();
            break;
        }
        handler_->OnTick(); // the time zone among others
        break;
    }
    case WM_THEMECHANGED:
    case WM_SYSCOLORCHANGE:
        handler_->OnLookChanged();
        break;
    case WM_TIMECHANGE:
        handler_->OnTick();
        break;
    case WM_POWERBROADCAST:
        if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND) {
            handler_->OnTick();
        }
        break;
    case WM_NCDESTROY: {
        HWND window = window_;
        UnbindWindow(window);
        window_ = nullptr;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

const WNDPROC HubWindow::Procedure = BoundWindowProc<HubWindow, &HubWindow::window_, &HubWindow::HandleMessage>;
