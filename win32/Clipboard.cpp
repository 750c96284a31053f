#include "Clipboard.h"

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
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (memory == nullptr) {
        return false;
    }
    void* bytes = GlobalLock(memory);
    if (bytes == nullptr) {
        GlobalFree(memory);
        return false;
    }
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(memory);

    bool copied = false;
    if (OpenClipboardPatiently(owner)) {
        EmptyClipboard();
        copied = SetClipboardData(CF_TEXT, memory) != nullptr;
        CloseClipboard();
    }
    if (!copied) {
        GlobalFree(memory); // the clipboard took no ownership
    }
    return copied;
}
