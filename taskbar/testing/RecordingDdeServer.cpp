#include "taskbar/testing/RecordingDdeServer.h"

#include "hookapi/HookApi.h"
#include "win32/Win32Handles.h"

#include <dde.h>
#include <ddeml.h>

#include <ctime>
#include <mutex>

namespace testkit {

static const UINT kPauseMessage = WM_APP + 1;

// The DDEML callback has no context pointer, so the record is the file's.
static std::mutex g_recordLock;
static std::vector<RecordedPoke> g_pokes;
static std::vector<DWORD> g_connects;
static int g_disconnects = 0;
static DWORD g_instance = 0;
static HSZ g_topic = nullptr;
static const std::set<std::string>* g_unanswered = nullptr;

static std::string StringOf(HSZ handle)
{
    char text[256] = {};
    DdeQueryStringA(g_instance, handle, text, sizeof text, CP_WINANSI);
    return text;
}

static RecordedPoke NewPoke(std::string item, UINT format, bool answered)
{
    return RecordedPoke{std::move(item), format,         {},
                        answered,        GetTickCount(), static_cast<long long>(std::time(nullptr))};
}

static HDDEDATA RecordPoke(UINT format, HSZ item, HDDEDATA data)
{
    RecordedPoke poke = NewPoke(StringOf(item), format, true);
    poke.bytes.resize(DdeGetData(data, nullptr, 0, 0));
    DdeGetData(data, reinterpret_cast<LPBYTE>(&poke.bytes[0]), static_cast<DWORD>(poke.bytes.size()), 0);
    std::lock_guard<std::mutex> hold(g_recordLock);
    g_pokes.push_back(poke);
    return reinterpret_cast<HDDEDATA>(DDE_FACK);
}

static HDDEDATA CALLBACK ServerCallback(UINT type, UINT format, HCONV, HSZ topic, HSZ item, HDDEDATA data, ULONG_PTR,
                                        ULONG_PTR)
{
    switch (type) {
    case XTYP_CONNECT:
        return reinterpret_cast<HDDEDATA>(static_cast<ULONG_PTR>(DdeCmpStringHandles(topic, g_topic) == 0));
    case XTYP_CONNECT_CONFIRM: {
        std::lock_guard<std::mutex> hold(g_recordLock);
        g_connects.push_back(GetTickCount());
        return nullptr;
    }
    case XTYP_DISCONNECT: {
        std::lock_guard<std::mutex> hold(g_recordLock);
        ++g_disconnects;
        return nullptr;
    }
    case XTYP_POKE:
        return RecordPoke(format, item, data);
    default:
        return nullptr;
    }
}

// Pokes of unanswered items are taken out of the queue before DDEML sees them,
// the one way found to make Wine's client fail a poke: it takes DDE_FNOTPROCESSED
// and CBR_BLOCK (answered at once) for success, and a late answer (a callback
// sleeping past the time-out) for the answer to its next poke. A dropped poke's
// memory and item atom stay with the test process.
static LRESULT CALLBACK DropUnansweredPokes(int code, WPARAM removal, LPARAM message)
{
    auto* msg = reinterpret_cast<MSG*>(message);
    if (code == HC_ACTION && removal == PM_REMOVE && msg->message == WM_DDE_POKE) {
        UINT_PTR data = 0;
        UINT_PTR itemAtom = 0;
        UnpackDDElParam(WM_DDE_POKE, msg->lParam, &data, &itemAtom);
        char item[256] = {};
        GlobalGetAtomNameA(static_cast<ATOM>(itemAtom), item, sizeof item);
        if (g_unanswered->count(item) != 0) {
            msg->message = WM_NULL;
            std::lock_guard<std::mutex> hold(g_recordLock);
            g_pokes.push_back(NewPoke(item, CF_TEXT, false));
        }
    }
    return CallNextHookEx(nullptr, code, removal, message);
}

RecordingDdeServer::RecordingDdeServer(std::set<std::string> unanswered) : unanswered_(std::move(unanswered))
{
    {
        std::lock_guard<std::mutex> hold(g_recordLock);
        g_pokes.clear();
        g_connects.clear();
        g_disconnects = 0;
    }
    Start();
}

void RecordingDdeServer::Start()
{
    if (thread_.joinable()) {
        return;
    }
    g_unanswered = &unanswered_;
    resumeEvent_.Reset(CreateEventA(nullptr, TRUE, TRUE, nullptr));
    UniqueHandle ready(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    thread_ = std::thread(&RecordingDdeServer::Serve, this, ready.Get());
    WaitForSingleObject(ready.Get(), 5000);
}

void RecordingDdeServer::Serve(HANDLE ready)
{
    threadId_ = GetCurrentThreadId();
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE); // the thread's queue exists before anyone posts
    UniqueDdeInstance instance;
    instance.Initialize(ServerCallback, APPCLASS_STANDARD | CBF_FAIL_ADVISES | CBF_FAIL_EXECUTES | CBF_FAIL_REQUESTS |
                                            CBF_SKIP_REGISTRATIONS | CBF_SKIP_UNREGISTRATIONS);
    g_instance = instance.Get();
    DdeString service(g_instance, hookapi::kServiceName);
    DdeString topic(g_instance, hookapi::kTopicName);
    g_topic = topic.Get();
    running_ = DdeNameService(g_instance, service.Get(), nullptr, DNS_REGISTER) != nullptr;
    UniqueHook dropper(SetWindowsHookExA(WH_GETMESSAGE, DropUnansweredPokes, nullptr, threadId_));
    SetEvent(ready);

    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.hwnd == nullptr && msg.message == kPauseMessage) {
            WaitForSingleObject(resumeEvent_.Get(), INFINITE);
            continue;
        }
        DispatchMessageA(&msg);
    }

    DdeNameService(g_instance, service.Get(), nullptr, DNS_UNREGISTER);
    g_topic = nullptr;
    g_instance = 0;
    running_ = false;
}

void RecordingDdeServer::Stop()
{
    if (!thread_.joinable()) {
        return;
    }
    Resume();
    PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    thread_.join();
    resumeEvent_.Reset();
}

void RecordingDdeServer::Pause()
{
    ResetEvent(resumeEvent_.Get());
    PostThreadMessageA(threadId_, kPauseMessage, 0, 0);
}

void RecordingDdeServer::Resume()
{
    SetEvent(resumeEvent_.Get());
}

std::vector<RecordedPoke> RecordingDdeServer::Pokes() const
{
    std::lock_guard<std::mutex> hold(g_recordLock);
    return g_pokes;
}

std::vector<DWORD> RecordingDdeServer::Connects() const
{
    std::lock_guard<std::mutex> hold(g_recordLock);
    return g_connects;
}

int RecordingDdeServer::Disconnects() const
{
    std::lock_guard<std::mutex> hold(g_recordLock);
    return g_disconnects;
}

} // namespace testkit
