#include "LoaderMessages.h"

#include "LoaderState.h"

int ShowLoaderMessage(HWND owner, UINT textId, UINT captionId, UINT type)
{
    char caption[64] = "";
    char text[1024] = "";
    LoadStringA(g_loader.instance, captionId, caption, sizeof caption);
    LoadStringA(g_loader.instance, textId, text, sizeof text);
    return MessageBoxA(owner, text, caption, type);
}
