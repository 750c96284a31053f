#include "RecordingDdeServer.h"

#include <ddeml.h>

#include <ctime>
#include <mutex>

#include "HookApi.h"

namespace {

const UINT kPauseMessage = WM_APP + 1;

// One server at a time; the DDEML callback has no context pointer.
std::mutex recordLock;
std::vector<RecordedPoke> pokes;
std::vector<DWORD> connects;
int disconnects = 0;
DWORD serverInstance = 0;
HSZ topicName = nullptr;

std::string StringOf(HSZ handle)
{
    char text[256] = {};
    DdeQueryStringA(serverInstance, handle, text, sizeof text, CP_WINANSI);
    return text;
}

HDDEDATA CALLBACK ServerCallback(UINT type, UINT format, HCONV, HSZ topic, HSZ item, HDDEDATA data, ULONG_PTR,
                                 ULONG_PTR)
{
    switch (type) {
    case XTYP_CONNECT:
        return reinterpret_cast<HDDEDATA>(static_cast<ULONG_PTR>(DdeCmpStringHandles(topic, topicName) == 0));
    case XTYP_CONNECT_CONFIRM: {
        std::lock_guard<std::mutex> hold(recordLock);
        connects.push_back(GetTickCount());
        return nullptr;
    }
    case XTYP_DISCONNECT: {
        std::lock_guard<std::mutex> hold(recordLock);
        ++disconnects;
        return nullptr;
    }
    case XTYP_POKE: {
        RecordedPoke poke;
        poke.item = StringOf(item);
        poke.format = format;
        poke.bytes.resize(DdeGetData(data, nullptr, 0, 0));
        DdeGetData(data, reinterpret_cast<LPBYTE>(&poke.bytes[0]), static_cast<DWORD>(poke.bytes.size()), 0);
        poke.tick = GetTickCount();
        poke.moment = static_cast<long long>(std::time(nullptr));
        std::lock_guard<std::mutex> hold(recordLock);
        pokes.push_back(poke);
        return reinterpret_cast<HDDEDATA>(DDE_FACK);
    }
    default:
        return nullptr;
    }
}

} // namespace

RecordingDdeServer::RecordingDdeServer()
{
    {
        std::lock_guard<std::mutex> hold(recordLock);
        pokes.clear();
        connects.clear();
        disconnects = 0;
    }
    Start();
}

void RecordingDdeServer::Start()
{
    if (thread.joinable())
        return;
    resumeEvent = CreateEventA(nullptr, TRUE, TRUE, nullptr);
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread = std::thread(&RecordingDdeServer::Run, this, ready);
    WaitForSingleObject(ready, 5000);
    CloseHandle(ready);
}

void RecordingDdeServer::Run(HANDLE ready)
{
    threadId = GetCurrentThreadId();
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE); // the thread's queue exists before anyone posts
    DdeInitializeA(&serverInstance, ServerCallback,
                   APPCLASS_STANDARD | CBF_FAIL_ADVISES | CBF_FAIL_EXECUTES | CBF_FAIL_REQUESTS |
                       CBF_SKIP_REGISTRATIONS | CBF_SKIP_UNREGISTRATIONS,
                   0);
    HSZ service = DdeCreateStringHandleA(serverInstance, hookapi::kServiceName, CP_WINANSI);
    topicName = DdeCreateStringHandleA(serverInstance, hookapi::kTopicName, CP_WINANSI);
    DdeNameService(serverInstance, service, nullptr, DNS_REGISTER);
    SetEvent(ready);

    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.hwnd == nullptr && msg.message == kPauseMessage) {
            WaitForSingleObject(resumeEvent, INFINITE);
            continue;
        }
        DispatchMessageA(&msg);
    }

    DdeNameService(serverInstance, service, nullptr, DNS_UNREGISTER);
    DdeFreeStringHandle(serverInstance, service);
    DdeFreeStringHandle(serverInstance, topicName);
    DdeUninitialize(serverInstance);
    serverInstance = 0;
}

void RecordingDdeServer::Stop()
{
    if (!thread.joinable())
        return;
    Resume();
    PostThreadMessageA(threadId, WM_QUIT, 0, 0);
    thread.join();
    CloseHandle(resumeEvent);
    resumeEvent = nullptr;
}

void RecordingDdeServer::Pause()
{
    ResetEvent(resumeEvent);
    PostThreadMessageA(threadId, kPauseMessage, 0, 0);
}

void RecordingDdeServer::Resume()
{
    SetEvent(resumeEvent);
}

std::vector<RecordedPoke> RecordingDdeServer::Pokes() const
{
    std::lock_guard<std::mutex> hold(recordLock);
    return pokes;
}

std::vector<DWORD> RecordingDdeServer::Connects() const
{
    std::lock_guard<std::mutex> hold(recordLock);
    return connects;
}

int RecordingDdeServer::Disconnects() const
{
    std::lock_guard<std::mutex> hold(recordLock);
    return disconnects;
}
