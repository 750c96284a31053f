#include "LoaderMessages.h"

int ShowLoaderMessage(HINSTANCE instance, HWND owner, UINT textId, UINT captionId, UINT type)
{
    char caption[64] = "";
    char text[1024] = "";
    LoadStringA(instance, captionId, caption, sizeof caption);
    LoadStringA(instance, textId, text, sizeof text);
    return MessageBoxA(owner, text, caption, type);
}
