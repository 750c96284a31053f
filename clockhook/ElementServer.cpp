#include "clockhook/ElementServer.h"

#include "clockhook/Component.h"
#include "hookapi/HookApi.h"
#include "win32/Trace.h"

#include <cstring>

// The item's name, or false when there is none or it is longer than any
// element may be.
bool ElementServer::ItemName(HSZ item, char (&name)[kMaxElementNameLength + 2]) const
{
    DWORD length = DdeQueryStringA(instance_.Get(), item, nullptr, 0, CP_WINANSI);
    if (length > kMaxElementNameLength) {
        return false;
    }
    // A client may send no item at all: then nothing may be written, or (as
    // Wine's DDEML does) an empty name counted as one character. Either way
    // there is no name, and an empty one must not reach the element table.
    name[0] = '\0';
    return DdeQueryStringA(instance_.Get(), item, name, sizeof name, CP_WINANSI) > 0 && name[0] != '\0';
}

HDDEDATA ElementServer::OnPoke(UINT format, HSZ item, HDDEDATA data)
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
    bool taken = model_->PokeElement(name, bytes, size);
    DdeUnaccessData(data);
    return reinterpret_cast<HDDEDATA>(taken ? DDE_FACK : DDE_FNOTPROCESSED);
}

// A never-set element answers as an empty text, as the clock shows it.
HDDEDATA ElementServer::OnRequest(UINT format, HSZ item)
{
    char name[kMaxElementNameLength + 2];
    if (format != CF_TEXT || !ItemName(item, name)) {
        return nullptr;
    }
    const char* value = model_->FindElement(name);
    if (value == nullptr) {
        value = "";
    }
    answer_.Reset(DdeCreateDataHandle(instance_.Get(), reinterpret_cast<LPBYTE>(const_cast<char*>(value)),
                                      static_cast<DWORD>(strlen(value) + 1), 0, item, CF_TEXT, HDATA_APPOWNED));
    return answer_.Get();
}

HDDEDATA ElementServer::OnTransaction(UINT type, UINT format, HSZ topic, HSZ item, HDDEDATA data)
{
    bool ourTopic = DdeCmpStringHandles(topic, topic_.Get()) == 0;
    switch (type) {
    case XTYP_CONNECT:
        return reinterpret_cast<HDDEDATA>(
            static_cast<ULONG_PTR>(ourTopic && DdeCmpStringHandles(item, service_.Get()) == 0 ? TRUE : FALSE));
    case XTYP_POKE:
        return ourTopic ? OnPoke(format, item, data) : reinterpret_cast<HDDEDATA>(DDE_FNOTPROCESSED);
    case XTYP_REQUEST:
        return ourTopic ? OnRequest(format, item) : nullptr;
    }
    return nullptr;
}

// Whether some server (another component's) answers the service already.
bool ElementServer::ServiceTaken() const
{
    HCONV conversation = DdeConnect(instance_.Get(), service_.Get(), topic_.Get(), nullptr);
    if (conversation == nullptr) {
        return false;
    }
    DdeDisconnect(conversation);
    return true;
}

static HDDEDATA CALLBACK ServerCallback(UINT type, UINT format, HCONV, HSZ topic, HSZ item, HDDEDATA data, ULONG_PTR,
                                        ULONG_PTR)
{
    ElementServer* server = InstalledServer();
    return server != nullptr ? server->OnTransaction(type, format, topic, item, data) : nullptr;
}

bool ElementServer::Start(ClockModel& model)
{
    Stop();
    model_ = &model;
    if (!instance_.Initialize(ServerCallback, APPCLASS_STANDARD | CBF_FAIL_ADVISES | CBF_FAIL_EXECUTES |
                                                  CBF_SKIP_REGISTRATIONS | CBF_SKIP_UNREGISTRATIONS)) {
        Trace("HORALUME: DDEML refused the element server");
        Stop();
        return false;
    }
    service_ = DdeString(instance_.Get(), hookapi::kServiceName);
    topic_ = DdeString(instance_.Get(), hookapi::kTopicName);
    const char* failure = nullptr;
    if (!service_ || !topic_) {
        failure = "no DDE string handles";
    } else if (ServiceTaken()) {
        failure = "another server already serves the service";
    } else if (DdeNameService(instance_.Get(), service_.Get(), nullptr, DNS_REGISTER) == nullptr) {
        failure = "the service name could not be registered";
    }
    if (failure != nullptr) {
        Trace("HORALUME: element server not started: %s", failure);
        Stop();
        return false;
    }
    return true;
}

void ElementServer::Stop()
{
    if (instance_ && service_) {
        DdeNameService(instance_.Get(), service_.Get(), nullptr, DNS_UNREGISTER);
    }
    answer_.Reset();
    service_.Reset();
    topic_.Reset();
    instance_.Reset();
    model_ = nullptr;
}
