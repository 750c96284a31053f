#include "stress/storm/RawDde.h"

#include "win32/WindowBinding.h"

#include <dde.h>

#include <cstring>

namespace {

constexpr DWORD kAnswerTimeoutMs = 1000;
constexpr DWORD kAckAfterDataMs = 100;
constexpr char kClassName[] = "StormRawDdeClient";
constexpr UINT_PTR kAckBit = 0x8000; // DDEACK's fAck

// An answer's atom is the client's to delete.
void DeleteAtom(UINT_PTR atom)
{
    if (atom != 0) {
        GlobalDeleteAtom(static_cast<ATOM>(atom));
    }
}

} // namespace

RawDdeClient::RawDdeClient()
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = BoundWindowProc<RawDdeClient, &RawDdeClient::window_, &RawDdeClient::HandleMessage>;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass);
    CreateWindowExA(0, kClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, windowClass.hInstance, this);
}

RawDdeClient::~RawDdeClient()
{
    Disconnect();
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

bool RawDdeClient::Connect(const char* service, const char* topic)
{
    ATOM serviceAtom = GlobalAddAtomA(service);
    ATOM topicAtom = GlobalAddAtomA(topic);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(HWND_BROADCAST, WM_DDE_INITIATE, reinterpret_cast<WPARAM>(window_),
                        MAKELPARAM(serviceAtom, topicAtom), SMTO_ABORTIFHUNG, 2000, &ignored);
    GlobalDeleteAtom(serviceAtom);
    GlobalDeleteAtom(topicAtom);
    return server_ != nullptr;
}

void RawDdeClient::Request(UINT format, ATOM item, RawDdeCounts& counts)
{
    ++counts.sent;
    answer_ = Answer::None;
    ackAfterData_ = false;
    PostMessageA(server_, WM_DDE_REQUEST, reinterpret_cast<WPARAM>(window_), MAKELPARAM(format, item));
    Count(WaitForAnswer(), counts);
}

void RawDdeClient::Poke(UINT format, ATOM item, const char* text, RawDdeCounts& counts)
{
    ++counts.sent;
    std::size_t size = std::strlen(text) + 1;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, sizeof(DDEPOKE) + size);
    auto* poke = static_cast<DDEPOKE*>(GlobalLock(memory));
    poke->fRelease = 1; // the server frees it
    poke->cfFormat = static_cast<short>(format);
    std::memcpy(poke->Value, text, size);
    GlobalUnlock(memory);
    answer_ = Answer::None;
    PostMessageA(server_, WM_DDE_POKE, reinterpret_cast<WPARAM>(window_),
                 PackDDElParam(WM_DDE_POKE, reinterpret_cast<UINT_PTR>(memory), item));
    Count(WaitForAnswer(), counts);
}

void RawDdeClient::Disconnect()
{
    if (server_ == nullptr) {
        return;
    }
    answer_ = Answer::None;
    PostMessageA(server_, WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(window_), 0);
    WaitForAnswer();
    server_ = nullptr;
}

// Wine's server follows its WM_DDE_DATA with a positive WM_DDE_ACK; that
// one is waited for briefly, so it is not taken for the next answer.
RawDdeClient::Answer RawDdeClient::WaitForAnswer()
{
    DWORD start = GetTickCount();
    DWORD timeout = kAnswerTimeoutMs;
    while (GetTickCount() - start < timeout &&
           (answer_ == Answer::None || (answer_ == Answer::Data && !ackAfterData_))) {
        if (answer_ == Answer::Data) {
            timeout = kAckAfterDataMs;
            start = GetTickCount();
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&message);
        }
    }
    return answer_;
}

void RawDdeClient::Count(Answer answer, RawDdeCounts& counts)
{
    counts.data += answer == Answer::Data;
    counts.accepted += answer == Answer::Accepted;
    counts.refused += answer == Answer::Refused;
    counts.silent += answer == Answer::None;
}

LRESULT RawDdeClient::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    UINT_PTR low = 0, high = 0;
    switch (message) {
    case WM_DDE_ACK:
        if (server_ == nullptr) { // the answer to WM_DDE_INITIATE, sent, its atoms unpacked
            server_ = reinterpret_cast<HWND>(wParam);
            DeleteAtom(LOWORD(lParam));
            DeleteAtom(HIWORD(lParam));
            return 0;
        }
        UnpackDDElParam(WM_DDE_ACK, lParam, &low, &high);
        FreeDDElParam(WM_DDE_ACK, lParam);
        DeleteAtom(high);
        if (answer_ == Answer::Data) {
            ackAfterData_ = true;
        } else {
            answer_ = (low & kAckBit) != 0 ? Answer::Accepted : Answer::Refused;
        }
        return 0;
    case WM_DDE_DATA: {
        UnpackDDElParam(WM_DDE_DATA, lParam, &low, &high);
        FreeDDElParam(WM_DDE_DATA, lParam);
        auto memory = reinterpret_cast<HGLOBAL>(low);
        auto* data = static_cast<DDEDATA*>(GlobalLock(memory));
        bool release = data != nullptr && data->fRelease;
        GlobalUnlock(memory);
        if (release) {
            GlobalFree(memory);
        }
        DeleteAtom(high);
        answer_ = answer_ == Answer::None ? Answer::Data : answer_;
        return 0;
    }
    case WM_DDE_TERMINATE:
        answer_ = Answer::Terminated;
        return 0;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}
