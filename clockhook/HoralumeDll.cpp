// HORALUME.DLL: the clock component. The loader sets one of these two
// procedures as a WH_CALLWNDPROC hook on the taskbar clock's thread and sends
// the taskbar WM_WININICHANGE; the procedure then runs in the shell.
#include "clockhook/Component.h"

#include <windows.h>

extern "C" LRESULT CALLBACK HoralumeHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && IsLoaderRequest(reinterpret_cast<const CWPSTRUCT*>(lParam))) {
        InstallComponent();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

extern "C" LRESULT CALLBACK HoralumeUnhookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && IsLoaderRequest(reinterpret_cast<const CWPSTRUCT*>(lParam))) {
        RemoveComponent();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
