#include "clockhook/ElementServer.h"

#include "hookapi/HookApi.h"
#include "win32/Trace.h"
#include "win32/Win32Handles.h"

#include <windows.h>

#include <ddeml.h>

#include <cstring>

namespace {

struct FreeDdeData {
    void operator()(HDDEDATA data) const { DdeFreeDataHandle(data); }
};
using OwnedDdeData = UniqueWin32<HDDEDATA, FreeDdeData>;

// DDEML calls back without a context, so the one server lives here.
struct ServerState {
    ClockModel* model = nullptr;
    UniqueDdeInstance instance;
    DdeString service;
    DdeString topic;
    // The last request's answer. It is the server's own: some DDEML
    // implementations never free an answer handed to them, so each request
    // would leak one; held here, it is freed at the next request or at stop.
    OwnedDdeData answer;
};

} // namespace

static ServerState g_server;

// The item's name, or false when there is none or it is longer than any
// element may be.
static bool ItemName(HSZ item, char (&name)[kMaxElementNameLength + 2])
{
    DWORD length = DdeQueryStringA(g_server.instance.Get(), item, nullptr, 0, CP_WINANSI);
    if (length > kMaxElementNameLength) {
        return false;
    }
    // A client may send no item at all: then nothing may be written, or (as
    // Wine's DDEML does) an empty name counted as one character. Either way
    // there is no name, and an empty one must not reach the element table.
    name[0] = '\0';
    return DdeQueryStringA(g_server.instance.Get(), item, name, sizeof name, CP_WINANSI) > 0 && name[0] != '\0';
}

static HDDEDATA OnPoke(UINT format, HSZ item, HDDEDATA data)
{
    char name[kMaxElementNameLength + 2];
    if (format != CF_TEXT || !ItemName(item, name)) {
        return reinterpret_cast<HDDEDATA>(DDE_FNOTPROCESSED);
    }
    DWORD size = 0;
    const BYTE* bytes = DdeAccessData(data, &size);
    if (bytes == nullptr) {
        return reinterpret_cast<HDDEDATA>(DDE_FNOTPROCESSED);
    }
    bool taken = g_server.model->PokeElement(name, bytes, size);
    DdeUnaccessData(data);
    return reinterpret_cast<HDDEDATA>(taken ? DDE_FACK : DDE_FNOTPROCESSED);
}

// A never-set element answers as an empty text, as the clock shows it.
static HDDEDATA OnRequest(UINT format, HSZ item)
{
    char name[kMaxElementNameLength + 2];
    if (format != CF_TEXT || !ItemName(item, name)) {
        return nullptr;
    }
    const char* value = g_server.model->FindElement(name);
    if (value == nullptr) {
        value = "";
    }
    g_server.answer.Reset(DdeCreateDataHandle(g_server.instance.Get(),
                                              reinterpret_cast<LPBYTE>(const_cast<char*>(value)),
                                              static_cast<DWORD>(strlen(value) + 1), 0, item, CF_TEXT, HDATA_APPOWNED));
    return g_server.answer.Get();
}

static HDDEDATA CALLBACK ServerCallback(UINT type, UINT format, HCONV, HSZ topic, HSZ item, HDDEDATA data, ULONG_PTR,
                                        ULONG_PTR)
{
    bool ourTopic = DdeCmpStringHandles(topic, g_server.topic.Get()) == 0;
    switch (type) {
    case XTYP_CONNECT:
        return reinterpret_cast<HDDEDATA>(
            static_cast<ULONG_PTR>(ourTopic && DdeCmpStringHandles(item, g_server.service.Get()) == 0 ? TRUE : FALSE));
    case XTYP_POKE:
        return ourTopic ? OnPoke(format, item, data) : reinterpret_cast<HDDEDATA>(DDE_FNOTPROCESSED);
    case XTYP_REQUEST:
        return ourTopic ? OnRequest(format, item) : nullptr;
    }
    return nullptr;
}

// Whether some server (another component's) answers the service already.
static bool ServiceTaken()
{
    HCONV conversation = DdeConnect(g_server.instance.Get(), g_server.service.Get(), g_server.topic.Get(), nullptr);
    if (conversation == nullptr) {
        return false;
    }
    DdeDisconnect(conversation);
    return true;
}

bool StartElementServer(ClockModel& model)
{
    StopElementServer();
    g_server.model = &model;
    if (!g_server.instance.Initialize(ServerCallback, APPCLASS_STANDARD | CBF_FAIL_ADVISES | CBF_FAIL_EXECUTES |
                                                          CBF_SKIP_REGISTRATIONS | CBF_SKIP_UNREGISTRATIONS)) {
        Trace("HORALUME: DDEML refused the element server");
        StopElementServer();
        return false;
    }
    g_server.service = DdeString(g_server.instance.Get(), hookapi::kServiceName);
    g_server.topic = DdeString(g_server.instance.Get(), hookapi::kTopicName);
    const char* failure = nullptr;
    if (!g_server.service || !g_server.topic) {
        failure = "no DDE string handles";
    } else if (ServiceTaken()) {
        failure = "another server already serves the service";
    } else if (DdeNameService(g_server.instance.Get(), g_server.service.Get(), nullptr, DNS_REGISTER) == nullptr) {
        failure = "the service name could not be registered";
    }
    if (failure != nullptr) {
        Trace("HORALUME: element server not started: %s", failure);
        StopElementServer();
        return false;
    }
    return true;
}

void StopElementServer()
{
    if (g_server.instance && g_server.service) {
        DdeNameService(g_server.instance.Get(), g_server.service.Get(), nullptr, DNS_UNREGISTER);
    }
    g_server.answer.Reset();
    g_server.service.Reset();
    g_server.topic.Reset();
    g_server.instance.Reset();
    g_server.model = nullptr;
}
