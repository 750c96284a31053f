#include "Component.h"

#include "ClockWindow.h"
#include "ElementServer.h"
#include "HookApi.h"
#include "TaskbarClock.h"

struct ComponentState {
    bool installed = false;
    HMODULE ownReference = nullptr; // keeps the library mapped after the loader frees its copy
    HANDLE installedMutex = nullptr;
};

static ComponentState g_component;

bool IsLoaderRequest(const CWPSTRUCT* message)
{
    return message != nullptr && message->message == WM_WININICHANGE && message->wParam == 0 && message->lParam == 0;
}

static void ReportRequestDone()
{
    HANDLE event = OpenEventA(EVENT_MODIFY_STATE, FALSE, hookapi::kHookCompleteEvent);
    if (event != nullptr) {
        SetEvent(event);
        CloseHandle(event);
    }
}

static HMODULE TakeOwnReference()
{
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCSTR>(&InstallComponent), &module);
    return module;
}

// Frees our reference from a thread of its own: FreeLibraryAndExitThread
// never returns into the library it may unmap.
static DWORD WINAPI UnloadThread(LPVOID module)
{
    FreeLibraryAndExitThread(static_cast<HMODULE>(module), 0);
}

static void DropOwnReference()
{
    HANDLE thread = CreateThread(nullptr, 0, UnloadThread, g_component.ownReference, 0, nullptr);
    if (thread != nullptr)
        CloseHandle(thread);
    // Without the thread the reference stays: a library left loaded is
    // better than one unmapped under running code.
    g_component.ownReference = nullptr;
}

// Everything but the library reference; returns whether the library may go.
static bool LetGo(bool clockGoing)
{
    g_component.installed = false;
    StopElementServer();
    bool mayUnload = DetachClock(clockGoing);
    ReleaseMutex(g_component.installedMutex);
    CloseHandle(g_component.installedMutex);
    g_component.installedMutex = nullptr;
    return mayUnload;
}

void InstallComponent()
{
    if (!g_component.installed) {
        // A reference kept from a clock that was destroyed under us serves again.
        bool tookReference = g_component.ownReference == nullptr;
        if (tookReference)
            g_component.ownReference = TakeOwnReference();
        // The shell may have several taskbars; ours is the hooked thread's.
        HWND clock = FindTaskbarClock(GetCurrentThreadId()).clock;
        if (clock != nullptr && g_component.ownReference != nullptr && AttachClock(clock)) {
            g_component.installedMutex = CreateMutexA(nullptr, TRUE, hookapi::kInstalledMutex);
            StartElementServer();
            g_component.installed = true;
        } else if (tookReference && g_component.ownReference != nullptr) {
            FreeLibrary(g_component.ownReference); // the hook's own reference still holds the library
            g_component.ownReference = nullptr;
        }
    }
    ReportRequestDone();
}

void RemoveComponent()
{
    if (g_component.installed && LetGo(false))
        DropOwnReference();
    ReportRequestDone();
}

void OnClockDestroyed()
{
    if (g_component.installed)
        LetGo(true);
}
