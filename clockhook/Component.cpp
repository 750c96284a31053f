// The component wires the pieces: the element server tells the clock model,
// the model tells its surfaces (and the component) what changed, and a
// surface tells the component when its window goes away.
#include "Component.h"

#include "CalendarWindow.h"
#include "ClockCommands.h"
#include "ClockModel.h"
#include "ClockSurface.h"
#include "ElementServer.h"
#include "HookApi.h"
#include "LocalClock.h"
#include "ModuleOf.h"
#include "TaskbarClock.h"
#include "Trace.h"
#include "Win32Handles.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

class Component final : public ClockObserver, public SurfaceHost {
public:
    void Install();
    void Remove();

    void OnClockChanged(ClockChange change) override;
    void OnTick() override;
    void OnSurfaceGone(ClockSurface& surface) override;

private:
    bool TryInstall();
    bool AttachSurface(HWND window);
    bool LetGo();
    void DropOwnReference();
    ClockSurface* Primary();
    void SampleReadings();

    ClockModel model_;
    // The windows showing the model, and those where our procedure still
    // passes everything through under another one.
    std::vector<std::unique_ptr<ClockSurface>> surfaces_;
    ClockHotkey hotkey_;
    CpuTimes lastCpu_; // the previous CPU sample
    bool installed_ = false;
    HMODULE ownReference_ = nullptr; // keeps the library mapped after the loader frees its copy
    UniqueHandle installedMutex_;
};

} // namespace

// The hook procedures reach the component only through here.
static Component g_component;

bool IsLoaderRequest(const CWPSTRUCT* message)
{
    return message != nullptr && message->message == WM_WININICHANGE && message->wParam == 0 && message->lParam == 0;
}

static void ReportRequestDone()
{
    UniqueHandle event(OpenEventA(EVENT_MODIFY_STATE, FALSE, hookapi::kHookCompleteEvent));
    if (event) {
        SetEvent(event.Get());
    }
}

// Frees our reference from a thread of its own: FreeLibraryAndExitThread
// never returns into the library it may unmap.
static DWORD WINAPI UnloadThread(LPVOID module)
{
    FreeLibraryAndExitThread(static_cast<HMODULE>(module), 0);
}

void Component::DropOwnReference()
{
    UniqueHandle thread(CreateThread(nullptr, 0, UnloadThread, ownReference_, 0, nullptr));
    // Without the thread the reference stays: a library left loaded is
    // better than one unmapped under running code.
    ownReference_ = nullptr;
}

ClockSurface* Component::Primary()
{
    auto found = std::find_if(surfaces_.begin(), surfaces_.end(),
                              [](const std::unique_ptr<ClockSurface>& surface) { return surface->Attached(); });
    return found != surfaces_.end() ? found->get() : nullptr;
}

void Component::SampleReadings()
{
    const ClockSettings& settings = model_.Settings();
    model_.Tick(SampleResources((settings.displayFlags & DisplayFlag::CpuMonitor) != 0,
                                (settings.displayFlags & DisplayFlag::PhysicalRamOnly) != 0, lastCpu_));
}

// A window where our procedure still passes through takes it up again.
bool Component::AttachSurface(HWND window)
{
    for (const std::unique_ptr<ClockSurface>& surface : surfaces_) {
        if (surface->Window() == window) {
            return surface->Attach(window);
        }
    }
    auto surface = std::make_unique<ClockSurface>(model_, *this);
    if (!surface->Attach(window)) {
        return false;
    }
    surfaces_.push_back(std::move(surface));
    return true;
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
    OnCalendarSettingsChanged(settings);
}

// One tick a second: the readings, and with them every surface's text, lines
// and open tooltip.
void Component::OnTick()
{
    SampleReadings();
    if (ClockSurface* primary = Primary()) {
        primary->ArmTick();
    }
}

bool Component::TryInstall()
{
    HWND clock = FindTaskbarClock(GetCurrentThreadId()).clock;
    if (clock == nullptr) {
        Trace("HORALUME: not installed: this thread owns no taskbar clock");
        return false;
    }
    model_.Reset();
    model_.AddObserver(*this);
    OnClockChanged(ClockChange::Settings);
    SampleReadings();
    if (!AttachSurface(clock)) {
        Trace("HORALUME: not installed: the clock refused our window procedure");
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
    if (!StartElementServer(model_)) {
        Trace("HORALUME: not installed: the element server did not start");
        LetGo();
        return false;
    }
    Primary()->ArmTick();
    hotkey_.Update(clock, model_.Settings().hotkeyCommand);
    installed_ = true;
    return true;
}

void Component::Install()
{
    if (!installed_) {
        // A reference kept from a clock that was destroyed under us serves again.
        bool tookReference = ownReference_ == nullptr;
        if (tookReference) {
            ownReference_ = TakeModuleReference();
        }
        if (ownReference_ == nullptr) {
            Trace("HORALUME: not installed: no reference on the library");
        } else if (!TryInstall() && tookReference) {
            FreeLibrary(ownReference_); // the hook's own reference still holds the library
            ownReference_ = nullptr;
        }
    }
    ReportRequestDone();
}

// Everything but the library reference; returns whether the library may go
// (no procedure of ours stays in a window's chain).
bool Component::LetGo()
{
    installed_ = false;
    StopElementServer();
    hotkey_.Release();
    CloseCalendar();
    model_.RemoveObserver(*this);
    for (const std::unique_ptr<ClockSurface>& surface : surfaces_) {
        if (surface->Attached()) {
            surface->Detach(false);
        }
    }
    surfaces_.erase(std::remove_if(surfaces_.begin(), surfaces_.end(),
                                   [](const std::unique_ptr<ClockSurface>& s) { return !s->PassingThrough(); }),
                    surfaces_.end());
    model_.Reset();
    if (installedMutex_) {
        ReleaseMutex(installedMutex_.Get());
        installedMutex_.Reset();
    }
    return surfaces_.empty();
}

void Component::Remove()
{
    if (installed_ && LetGo()) {
        DropOwnReference();
    }
    ReportRequestDone();
}

// A window going away under an installed component takes the component with
// it once no window shows the clock (the shell is closing); the library
// stays, as its reference does.
void Component::OnSurfaceGone(ClockSurface& surface)
{
    bool wasShowing = surface.Attached();
    if (wasShowing) {
        surface.Detach(true);
    }
    surfaces_.erase(std::remove_if(surfaces_.begin(), surfaces_.end(),
                                   [&surface](const std::unique_ptr<ClockSurface>& s) { return s.get() == &surface; }),
                    surfaces_.end());
    if (!installed_ || !wasShowing) {
        return;
    }
    if (ClockSurface* primary = Primary()) {
        primary->ArmTick();
        hotkey_.Update(primary->Window(), model_.Settings().hotkeyCommand);
    } else {
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
