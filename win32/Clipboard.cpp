#include "win32/Clipboard.h"

#include "win32/ScopeExit.h"
#include "win32/Win32Handles.h"

#include <cstring>

// Another program may hold the clipboard for a moment.
static bool OpenClipboardPatiently(HWND owner)
{
    constexpr int kAttempts = 5;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (OpenClipboard(owner)) {
            return true;
        }
        Sleep(20);
    }
    return false;
}

bool CopyTextToClipboard(HWND owner, const std::string& text)
{
    UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
    if (!memory) {
        return false;
    }
    void* bytes = GlobalLock(memory.Get());
    if (bytes == nullptr) {
        return false;
    }
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(memory.Get());

    if (!OpenClipboardPatiently(owner)) {
        return false;
    }
    const ScopeExit close([] { CloseClipboard(); });
    EmptyClipboard();
    if (SetClipboardData(CF_TEXT, memory.Get()) == nullptr) {
        return false;
    }
    memory.Release(); // the clipboard owns it now
    return true;
}
