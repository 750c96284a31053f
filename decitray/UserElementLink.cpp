#include "UserElementLink.h"

#include "HookApi.h"

#include <cstring>

static const char kClockItem[] = "DC";
static const char kDateItem[] = "DD";

// A client that asks for no notifications gets none worth answering.
static HDDEDATA CALLBACK LinkCallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR)
{
    return nullptr;
}

bool UserElementLink::Connect()
{
    if (DdeInitializeA(&instance, LinkCallback, APPCMD_CLIENTONLY | CBF_SKIP_ALLNOTIFICATIONS, 0) == DMLERR_NO_ERROR) {
        HSZ service = DdeCreateStringHandleA(instance, hookapi::kServiceName, CP_WINANSI);
        HSZ topic = DdeCreateStringHandleA(instance, hookapi::kTopicName, CP_WINANSI);
        conversation = DdeConnect(instance, service, topic, nullptr);
        DdeFreeStringHandle(instance, service);
        DdeFreeStringHandle(instance, topic);
        if (!conversation) {
            DdeUninitialize(instance);
            instance = 0;
        }
    } else {
        instance = 0;
    }
    // Without an instance these come out null and are never used.
    clockItem = instance ? DdeCreateStringHandleA(instance, kClockItem, CP_WINANSI) : nullptr;
    dateItem = instance ? DdeCreateStringHandleA(instance, kDateItem, CP_WINANSI) : nullptr;
    return conversation != nullptr;
}

void UserElementLink::Push(const char* clockText, const char* dateText)
{
    if (!connected) {
        connected = Connect();
        return;
    }
    const bool clockPoked = Poke(clockItem, clockText);
    const bool datePoked = Poke(dateItem, dateText);
    // A poke that merely timed out leaves a live conversation alone; one
    // whose partner has gone would fail forever.
    if ((!clockPoked || !datePoked) && !ConversationStands())
        Release();
}

bool UserElementLink::Poke(HSZ item, const char* text)
{
    const DWORD length = static_cast<DWORD>(std::strlen(text)) + 1;
    return DdeClientTransaction(reinterpret_cast<LPBYTE>(const_cast<char*>(text)), length, conversation, item, CF_TEXT,
                                XTYP_POKE, hookapi::kPokeTimeoutMs, nullptr) != nullptr;
}

bool UserElementLink::ConversationStands() const
{
    if (DdeGetLastError(instance) == DMLERR_NO_CONV_ESTABLISHED)
        return false;
    CONVINFO info = {};
    info.cb = sizeof info;
    if (!DdeQueryConvInfo(conversation, QID_SYNC, &info))
        return false;
    return (info.wStatus & ST_CONNECTED) && !(info.wStatus & ST_TERMINATED) && IsWindow(info.hwndPartner);
}

// Ends the dead conversation and the instance, so the next push starts over.
void UserElementLink::Release()
{
    Close();
    connected = false;
}

void UserElementLink::Close()
{
    if (instance) {
        DdeFreeStringHandle(instance, clockItem);
        DdeFreeStringHandle(instance, dateItem);
    }
    clockItem = dateItem = nullptr;
    // Uninitializing ends the conversation; no separate disconnect is sent.
    conversation = nullptr;
    if (instance) {
        DdeUninitialize(instance);
        instance = 0;
    }
}
