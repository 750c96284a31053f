#include "ElementServer.h"

#include "ClockWindow.h"
#include "ElementTable.h"
#include "HookApi.h"

#include <windows.h>

#include <ddeml.h>

struct ServerState {
    DWORD instance = 0;
    HSZ service = nullptr;
    HSZ topic = nullptr;
};

static ServerState g_server;

// The item's name, or false when it is longer than any element may be.
static bool ItemName(HSZ item, char (&name)[kMaxElementNameLength + 2])
{
    DWORD length = DdeQueryStringA(g_server.instance, item, nullptr, 0, CP_WINANSI);
    if (length > kMaxElementNameLength)
        return false;
    DdeQueryStringA(g_server.instance, item, name, sizeof name, CP_WINANSI);
    return true;
}

static HDDEDATA OnPoke(UINT format, HSZ item, HDDEDATA data)
{
    char name[kMaxElementNameLength + 2];
    if (format != CF_TEXT || !ItemName(item, name))
        return reinterpret_cast<HDDEDATA>(DDE_FNOTPROCESSED);
    DWORD size = 0;
    const BYTE* bytes = DdeAccessData(data, &size);
    if (bytes == nullptr)
        return reinterpret_cast<HDDEDATA>(DDE_FNOTPROCESSED);
    SetResult result = ClockElements().Set(name, PokedText(bytes, size));
    DdeUnaccessData(data);
    if (result == SetResult::Refused)
        return reinterpret_cast<HDDEDATA>(DDE_FNOTPROCESSED);
    if (result == SetResult::Changed)
        RefreshClock();
    return reinterpret_cast<HDDEDATA>(DDE_FACK);
}

// A never-set element answers as an empty text, as the clock shows it.
static HDDEDATA OnRequest(UINT format, HSZ item)
{
    char name[kMaxElementNameLength + 2];
    if (format != CF_TEXT || !ItemName(item, name))
        return nullptr;
    const char* value = ClockElements().Find(name);
    if (value == nullptr)
        value = "";
    return DdeCreateDataHandle(g_server.instance, reinterpret_cast<LPBYTE>(const_cast<char*>(value)),
                               static_cast<DWORD>(strlen(value) + 1), 0, item, CF_TEXT, 0);
}

static HDDEDATA CALLBACK ServerCallback(UINT type, UINT format, HCONV, HSZ topic, HSZ item, HDDEDATA data, ULONG_PTR,
                                        ULONG_PTR)
{
    bool ourTopic = DdeCmpStringHandles(topic, g_server.topic) == 0;
    switch (type) {
    case XTYP_CONNECT:
        return reinterpret_cast<HDDEDATA>(
            static_cast<ULONG_PTR>(ourTopic && DdeCmpStringHandles(item, g_server.service) == 0 ? TRUE : FALSE));
    case XTYP_POKE:
        return ourTopic ? OnPoke(format, item, data) : reinterpret_cast<HDDEDATA>(DDE_FNOTPROCESSED);
    case XTYP_REQUEST:
        return ourTopic ? OnRequest(format, item) : nullptr;
    }
    return nullptr;
}

bool StartElementServer()
{
    if (DdeInitializeA(&g_server.instance, ServerCallback,
                       APPCLASS_STANDARD | CBF_FAIL_ADVISES | CBF_FAIL_EXECUTES | CBF_SKIP_REGISTRATIONS |
                           CBF_SKIP_UNREGISTRATIONS,
                       0) != DMLERR_NO_ERROR) {
        g_server.instance = 0;
        return false;
    }
    g_server.service = DdeCreateStringHandleA(g_server.instance, hookapi::kServiceName, CP_WINANSI);
    g_server.topic = DdeCreateStringHandleA(g_server.instance, hookapi::kTopicName, CP_WINANSI);
    if (DdeNameService(g_server.instance, g_server.service, nullptr, DNS_REGISTER) == nullptr) {
        StopElementServer();
        return false;
    }
    return true;
}

void StopElementServer()
{
    if (g_server.instance == 0)
        return;
    DdeNameService(g_server.instance, g_server.service, nullptr, DNS_UNREGISTER);
    DdeFreeStringHandle(g_server.instance, g_server.service);
    DdeFreeStringHandle(g_server.instance, g_server.topic);
    DdeUninitialize(g_server.instance);
    g_server = ServerState();
}
