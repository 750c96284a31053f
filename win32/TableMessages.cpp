#include "win32/TableMessages.h"

#include <string>

int ShowTableMessage(HINSTANCE instance, HWND owner, UINT textId, UINT captionId, UINT type)
{
    char caption[64] = "";
    char text[1024] = "";
    LoadStringA(instance, captionId, caption, sizeof caption);
    LoadStringA(instance, textId, text, sizeof text);
    return MessageBoxA(owner, text, caption, type);
}

void ShowTableError(HINSTANCE instance, HWND owner, UINT textId, UINT captionId, DWORD error)
{
    char caption[64] = "";
    char text[512] = "";
    char reason[512] = "";
    LoadStringA(instance, captionId, caption, sizeof caption);
    LoadStringA(instance, textId, text, sizeof text);
    if (FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, reason,
                       sizeof reason, nullptr) == 0) {
        wsprintfA(reason, "Error %lu.", static_cast<unsigned long>(error));
    }
    const std::string message = std::string(text) + "\n\n" + reason;
    MessageBoxA(owner, message.c_str(), caption, MB_ICONWARNING | MB_OK);
}
