#include "TestDdeServer.h"

#include "HookApi.h"

namespace {

// DDEML callbacks carry no context; one server runs at a time.
TestDdeServer* activeServer = nullptr;

// Pokes of unanswered items are taken out of the queue before DDEML sees them,
// the one way found to make Wine's client fail a poke: it takes DDE_FNOTPROCESSED
// and CBR_BLOCK (answered at once) for success, and a late answer (a callback
// sleeping past the time-out) for the answer to its next poke. Answering the next
// poke from a message loop inside the first one's callback leaves Wine's server
// spinning. A dropped poke's memory and item atom stay with the test process.
LRESULT CALLBACK DropUnansweredPokes(int code, WPARAM removal, LPARAM message)
{
    auto* msg = reinterpret_cast<MSG*>(message);
    if (code == HC_ACTION && removal == PM_REMOVE && msg->message == WM_DDE_POKE) {
        UINT_PTR data = 0;
        UINT_PTR itemAtom = 0;
        UnpackDDElParam(WM_DDE_POKE, msg->lParam, &data, &itemAtom);
        char item[256] = {};
        GlobalGetAtomNameA(static_cast<ATOM>(itemAtom), item, sizeof item);
        if (activeServer->Drops(item)) {
            msg->message = WM_NULL;
        }
    }
    return CallNextHookEx(nullptr, code, removal, message);
}

std::string ItemName(DWORD instance, HSZ item)
{
    char name[256] = {};
    DdeQueryStringA(instance, item, name, sizeof name, CP_WINANSI);
    return name;
}

} // namespace

TestDdeServer::TestDdeServer(std::set<std::string> unanswered) : unanswered_(std::move(unanswered))
{
    activeServer = this;
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread(&TestDdeServer::Serve, this, ready);
    WaitForSingleObject(ready, INFINITE);
    CloseHandle(ready);
}

TestDdeServer::~TestDdeServer()
{
    PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    thread_.join();
    activeServer = nullptr;
}

int TestDdeServer::Connections() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return connections_;
}

std::vector<ReceivedPoke> TestDdeServer::Pokes() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return pokes_;
}

void TestDdeServer::Serve(HANDLE ready)
{
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE); // the queue must exist before WM_QUIT is posted
    threadId_ = GetCurrentThreadId();
    HSZ service = nullptr;
    if (DdeInitializeA(&instance_, Callback, APPCLASS_STANDARD | CBF_SKIP_ALLNOTIFICATIONS, 0) == DMLERR_NO_ERROR) {
        service = DdeCreateStringHandleA(instance_, hookapi::kServiceName, CP_WINANSI);
        topic_ = DdeCreateStringHandleA(instance_, hookapi::kTopicName, CP_WINANSI);
        running_ = DdeNameService(instance_, service, nullptr, DNS_REGISTER) != nullptr;
    }
    HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, DropUnansweredPokes, nullptr, threadId_);
    SetEvent(ready);

    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }

    UnhookWindowsHookEx(hook);
    if (instance_) {
        DdeNameService(instance_, service, nullptr, DNS_UNREGISTER);
        DdeFreeStringHandle(instance_, service);
        DdeFreeStringHandle(instance_, topic_);
        DdeUninitialize(instance_);
    }
}

HDDEDATA CALLBACK TestDdeServer::Callback(UINT type, UINT format, HCONV, HSZ topic, HSZ item, HDDEDATA data, ULONG_PTR,
                                          ULONG_PTR)
{
    TestDdeServer* server = activeServer;
    switch (type) {
    case XTYP_CONNECT: {
        const bool ours = DdeCmpStringHandles(topic, server->topic_) == 0;
        if (ours) {
            std::lock_guard<std::mutex> lock(server->mutex_);
            ++server->connections_;
        }
        return reinterpret_cast<HDDEDATA>(static_cast<ULONG_PTR>(ours));
    }
    case XTYP_POKE:
        return server->OnPoke(item, data, format);
    default:
        return nullptr;
    }
}

HDDEDATA TestDdeServer::OnPoke(HSZ item, HDDEDATA data, UINT format)
{
    ReceivedPoke poke{ItemName(instance_, item), {}, format, true};
    poke.data.resize(DdeGetData(data, nullptr, 0, 0));
    DdeGetData(data, reinterpret_cast<LPBYTE>(&poke.data[0]), static_cast<DWORD>(poke.data.size()), 0);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        pokes_.push_back(poke);
    }
    return reinterpret_cast<HDDEDATA>(DDE_FACK);
}

bool TestDdeServer::Drops(const std::string& item)
{
    if (unanswered_.count(item) == 0) {
        return false;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    pokes_.push_back(ReceivedPoke{item, {}, CF_TEXT, false});
    return true;
}
