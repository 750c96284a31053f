// The component wires the pieces: the element server tells the clock model,
// the model tells its surfaces (and the component) what changed, and a
// surface tells the component when its window goes away.
#include "clockhook/Component.h"

#include "clockhook/CalendarWindow.h"
#include "clockhook/ClockCommands.h"
#include "clockhook/ClockLocator.h"
#include "clockhook/ClockMenu.h"
#include "clockhook/ClockSurface.h"
#include "clockhook/ElementServer.h"
#include "clockhook/HubWindow.h"
#include "clockhook/LoaderRequest.h"
#include "clockhook/LocalClock.h"
#include "clockhook/OverlayClock.h"
#include "clockhook/ShellWindows.h"
#include "clockhook/WakeTimer.h"
#include "clockhook/model/ClockModel.h"
#include "hookapi/HookApi.h"
#include "win32/ModuleOf.h"
#include "win32/TaskbarClock.h"
#include "win32/Trace.h"
#include "win32/Win32Handles.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

class Component final : public ClockObserver, public SurfaceHost, public HubHandler {
public:
    void Install();
    void Remove();

    void OnClockChanged(ClockChange change) override;
    void OnTick() override;
    void OnScanDue() override;
    void OnTooltipShown() override { ArmTick(); }
    void OnLookChanged() override;
    void OnLocateDue() override;
    void OnLocated() override { FollowTaskbars(); }
    void OnSurfaceGone(ClockSurface& surface) override;
    CalendarWindow& Calendar() override { return calendar_; }
    ClockMenu& Menu() override { return menu_; }
    ElementServer& Server() { return server_; }
    // A window of the shell's thread was created or moved.
    void OnShellWindowEvent(DWORD event, HWND window);

private:
    bool TryInstall();
    bool StartShowing(HWND primaryTaskbar);
    bool ShowOn(HWND taskbar);
    ClockSurface* SurfaceOn(HWND taskbar);
    ClockSurface* Primary();
    bool LetGo();
    void SampleReadings();
    void FollowTaskbars();
    void ArmTick();

    ClockModel model_;
    // The windows showing the model, and those where our procedure still
    // passes everything through under another one.
    std::vector<std::unique_ptr<ClockSurface>> surfaces_;
    HubWindow hub_;
    ClockLocator locator_;
    // Only these events of the shell's thread, so its many others never come here.
    UniqueWinEventHook windowsCreated_;
    UniqueWinEventHook windowsMoved_;
    UniqueWinEventHook contentReordered_;
    ClockHotkey hotkey_;
    CalendarWindow calendar_;
    ClockMenu menu_{calendar_};
    ElementServer server_;
    CpuTimes lastCpu_; // the previous CPU sample
    bool installed_ = false;
    UniqueLibrary ownReference_; // keeps the library mapped after the loader frees its copy
    UniqueHandle installedMutex_;
};

} // namespace

// Callbacks that carry no context (the loader's hook procedures, DDEML's,
// the menu's hook, the WinEvent procedure) are why these are process-wide:
// the loader's requests install g_component, and every other callback
// reaches it through g_installed, set on install and cleared on removal.
// Nothing else may use either.
static Component g_component;
static Component* g_installed = nullptr;

ElementServer* InstalledServer()
{
    return g_installed != nullptr ? &g_installed->Server() : nullptr;
}

ClockMenu* InstalledMenu()
{
    return g_installed != nullptr ? &g_installed->Menu() : nullptr;
}

ClockSurface* Component::SurfaceOn(HWND taskbar)
{
    for (const std::unique_ptr<ClockSurface>& surface : surfaces_) {
        if (surface->Attached() && surface->Taskbar() == taskbar) {
            return surface.get();
        }
    }
    return nullptr;
}

// The surface on the primary taskbar, which carries the hot key.
ClockSurface* Component::Primary()
{
    for (const std::unique_ptr<ClockSurface>& surface : surfaces_) {
        if (surface->Attached() && IsPrimaryTaskbar(surface->Taskbar())) {
            return surface.get();
        }
    }
    return nullptr;
}

// The taskbar's own clock is extended; a taskbar without one that can be
// (its clock is in a content bridge) gets an overlay. A window where our
// procedure still passes through takes it up again.
bool Component::ShowOn(HWND taskbar)
{
    HWND clock = ShellClockOfTaskbar(taskbar);
    for (const std::unique_ptr<ClockSurface>& surface : surfaces_) {
        if (clock != nullptr && surface->Window() == clock) {
            return surface->Attach(clock);
        }
    }
    auto surface = std::make_unique<ClockSurface>(model_, *this);
    if (clock != nullptr ? !surface->Attach(clock) : !surface->Cover(taskbar)) {
        return false;
    }
    surfaces_.push_back(std::move(surface));
    return true;
}

void Component::SampleReadings()
{
    const ClockSettings& settings = model_.Settings();
    model_.Tick(SampleResources((settings.displayFlags & DisplayFlag::CpuMonitor) != 0,
                                (settings.displayFlags & DisplayFlag::PhysicalRamOnly) != 0, lastCpu_));
}

// The model goes first to the component (added before any surface), so the
// locale's texts are read before the surfaces render with them.
void Component::OnClockChanged(ClockChange change)
{
    if (change != ClockChange::Settings) {
        return;
    }
    const ClockSettings& settings = model_.Settings();
    model_.SetLocaleTexts(LocaleTextsFor(settings.locale));
    if (ClockSurface* primary = Primary()) {
        hotkey_.Update(primary->Window(), settings.hotkeyCommand);
    }
    calendar_.OnSettingsChanged(settings);
    ArmTick();
}

// The clock wakes when its text can next change: the format's pace, the
// tooltip's while one is up, every second while a monitor line is on.
void Component::ArmTick()
{
    bool tooltipShown = std::any_of(surfaces_.begin(), surfaces_.end(), [](const std::unique_ptr<ClockSurface>& s) {
        return s->Attached() && s->TooltipShown();
    });
    hub_.ArmTick(NextWakeDelay(model_, tooltipShown));
}

// A tick: the readings, and with them every surface's text, lines and open
// tooltip.
void Component::OnTick()
{
    SampleReadings();
    FollowTaskbars();
    ArmTick();
}

// At each wake: where the system reports no move (Wine), this is when a
// surface sees its taskbar's new layout.
void Component::FollowTaskbars()
{
    for (const std::unique_ptr<ClockSurface>& surface : surfaces_) {
        if (surface->Attached()) {
            surface->FollowTaskbar(locator_.AnswerFor(surface->Taskbar()));
        }
    }
}

// The overlays' taskbars are looked at again.
void Component::OnLocateDue()
{
    std::vector<HWND> taskbars;
    for (const std::unique_ptr<ClockSurface>& surface : surfaces_) {
        if (surface->Attached() && surface->Overlay()) {
            taskbars.push_back(surface->Taskbar());
        }
    }
    locator_.Look(taskbars);
}

// Every surface and the calendar take the taskbar's new colours at once.
void Component::OnLookChanged()
{
    for (const std::unique_ptr<ClockSurface>& surface : surfaces_) {
        if (surface->Attached()) {
            surface->Restyle();
        }
    }
    calendar_.OnLookChanged();
}

// New taskbars get the clock; overlays follow their taskbar's layout.
void Component::OnScanDue()
{
    for (HWND taskbar : FindTaskbars(GetCurrentThreadId())) {
        if (ClockSurface* surface = SurfaceOn(taskbar)) {
            surface->FollowTaskbar(locator_.AnswerFor(taskbar));
        } else if (ShellClockOfTaskbar(taskbar) != nullptr || ClockBridgeOfTaskbar(taskbar) != nullptr) {
            ShowOn(taskbar);
        }
    }
    OnLocateDue();
}

// A new taskbar or clock may need our clock; a taskbar or bridge that moved
// may move an overlay. Our own resizing of a clock is no news.
void Component::OnShellWindowEvent(DWORD event, HWND window)
{
    using namespace hookapi;
    bool news = event == EVENT_OBJECT_CREATE
                    ? HasClassOf(window, {kTrayWindowClass, kSecondaryTrayWindowClass, kClockWindowClass,
                                          kClockButtonClass, kContentBridgeClass})
                    : HasClassOf(window, {kTrayWindowClass, kSecondaryTrayWindowClass, kNotifyWindowClass,
                                          kContentBridgeClass});
    if (installed_ && news) {
        hub_.ScheduleScan();
    }
}

static void CALLBACK OnWindowEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG, DWORD, DWORD)
{
    if (g_installed == nullptr) {
        return;
    }
    if (object == OBJID_WINDOW) {
        g_installed->OnShellWindowEvent(event, window);
    } else if (event == EVENT_OBJECT_REORDER && HasClassOf(window, {hookapi::kContentBridgeClass})) {
        g_installed->OnLocateDue(); // the content's structure changed: a badge, the moon, Copilot
    }
}

// The surfaces, the hub and the window events, the primary taskbar first;
// another taskbar that cannot show the clock is left as it is.
bool Component::StartShowing(HWND primaryTaskbar)
{
    if (!RegisterOverlayClass(ClockSurface::OverlayProcedure) || !hub_.Create(*this) || !ShowOn(primaryTaskbar)) {
        return false;
    }
    for (HWND taskbar : FindTaskbars(GetCurrentThreadId())) {
        if (taskbar != primaryTaskbar) {
            ShowOn(taskbar);
        }
    }
    // The benchmarks switch the locator off to weigh what its looks cost.
    const bool locatorWanted = GetEnvironmentVariableA("HORALUME_NO_LOCATOR", nullptr, 0) == 0;
    if (locatorWanted && locator_.Start(hub_.Window(), HubWindow::kLocatedMessage)) {
        OnLocateDue();
    }
    windowsCreated_.Reset(HookShellWindowEvent(EVENT_OBJECT_CREATE, OnWindowEvent));
    windowsMoved_.Reset(HookShellWindowEvent(EVENT_OBJECT_LOCATIONCHANGE, OnWindowEvent));
    contentReordered_.Reset(HookShellWindowEvent(EVENT_OBJECT_REORDER, OnWindowEvent));
    return true;
}

bool Component::TryInstall()
{
    HWND primaryTaskbar = PrimaryTaskbarOfThisThread();
    if (primaryTaskbar == nullptr) {
        Trace("HORALUME: not installed: this thread owns no taskbar with a clock");
        return false;
    }
    g_installed = this;
    model_.Reset();
    model_.AddObserver(*this);
    OnClockChanged(ClockChange::Settings);
    SampleReadings();
    if (!StartShowing(primaryTaskbar)) {
        Trace("HORALUME: not installed: the taskbar's clock could not be shown");
        LetGo();
        return false;
    }
    HANDLE mutex = CreateMutexA(nullptr, TRUE, hookapi::kInstalledMutex);
    bool heldElsewhere = GetLastError() == ERROR_ALREADY_EXISTS;
    installedMutex_.Reset(mutex);
    if (!installedMutex_ || heldElsewhere) {
        Trace("HORALUME: not installed: the mutex is missing or held by another component");
        LetGo();
        return false;
    }
    if (!server_.Start(model_)) {
        Trace("HORALUME: not installed: the element server did not start");
        LetGo();
        return false;
    }
    ArmTick();
    hotkey_.Update(Primary()->Window(), model_.Settings().hotkeyCommand);
    installed_ = true;
    return true;
}

void Component::Install()
{
    if (!installed_) {
        // A reference kept from a clock that was destroyed under us serves again.
        bool tookReference = !ownReference_;
        if (tookReference) {
            ownReference_.Reset(TakeModuleReference());
        }
        if (!ownReference_) {
            Trace("HORALUME: not installed: no reference on the library");
        } else if (!TryInstall() && tookReference) {
            ownReference_.Reset(); // the hook's own reference still holds the library
        }
    }
    ReportRequestDone();
}

// Everything but the library reference; whether the library may go (no procedure of ours stays in a chain).
bool Component::LetGo()
{
    installed_ = false;
    windowsCreated_.Reset();
    windowsMoved_.Reset();
    contentReordered_.Reset();
    server_.Stop();
    hotkey_.Release();
    calendar_.Close();
    model_.RemoveObserver(*this);
    for (const std::unique_ptr<ClockSurface>& surface : surfaces_) {
        if (surface->Attached()) {
            surface->Detach(false);
        }
    }
    surfaces_.erase(std::remove_if(surfaces_.begin(), surfaces_.end(),
                                   [](const std::unique_ptr<ClockSurface>& s) { return !s->PassingThrough(); }),
                    surfaces_.end());
    locator_.Stop();
    hub_.Destroy();
    UnregisterOverlayClass();
    model_.Reset();
    if (installedMutex_) {
        ReleaseMutex(installedMutex_.Get());
        installedMutex_.Reset();
    }
    g_installed = nullptr;
    return surfaces_.empty();
}

void Component::Remove()
{
    if (installed_ && LetGo()) {
        DropLibraryReference(ownReference_);
    }
    ReportRequestDone();
}

// A secondary taskbar going away takes only its surface; the primary one takes
// the component (the shell is closing or restarting), but not the library.
void Component::OnSurfaceGone(ClockSurface& surface)
{
    bool wasShowing = surface.Attached();
    bool primary = wasShowing && IsPrimaryTaskbar(surface.Taskbar());
    if (wasShowing) {
        surface.Detach(true);
    }
    surfaces_.erase(std::remove_if(surfaces_.begin(), surfaces_.end(),
                                   [&surface](const std::unique_ptr<ClockSurface>& s) { return s.get() == &surface; }),
                    surfaces_.end());
    if (installed_ && primary) {
        LetGo();
    }
}

void InstallComponent()
{
    g_component.Install();
}

void RemoveComponent()
{
    g_component.Remove();
}
