#include "clockhook/LoaderRequest.h"

#include "clockhook/Component.h"
#include "hookapi/HookApi.h"

bool IsLoaderRequest(const CWPSTRUCT* message)
{
    return message != nullptr && message->message == WM_WININICHANGE && message->wParam == 0 && message->lParam == 0;
}

void ReportRequestDone()
{
    UniqueHandle event(OpenEventA(EVENT_MODIFY_STATE, FALSE, hookapi::kHookCompleteEvent));
    if (event) {
        SetEvent(event.Get());
    }
}

// FreeLibraryAndExitThread never returns into the library it may unmap.
static DWORD WINAPI UnloadThread(LPVOID module)
{
    FreeLibraryAndExitThread(static_cast<HMODULE>(module), 0);
}

void DropLibraryReference(UniqueLibrary& reference)
{
    UniqueHandle thread(CreateThread(nullptr, 0, UnloadThread, reference.Get(), 0, nullptr));
    reference.Release(); // the thread's now, or left loaded
}
