#include "win32/ElementClient.h"

#include "hookapi/HookApi.h"

#include <cstring>

// A client that asks for no notifications gets none worth answering.
static HDDEDATA CALLBACK IgnoreDdeCallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR)
{
    return nullptr;
}

bool ElementClient::Connect()
{
    Disconnect(); // a second Connect must not leave the first instance behind
    if (!instance_.Initialize(IgnoreDdeCallback, APPCMD_CLIENTONLY | CBF_SKIP_ALLNOTIFICATIONS)) {
        return false;
    }
    {
        DdeString service(instance_.Get(), hookapi::kServiceName);
        DdeString topic(instance_.Get(), hookapi::kTopicName);
        conversation_ = DdeConnect(instance_.Get(), service.Get(), topic.Get(), nullptr);
    }
    if (conversation_ == nullptr) {
        instance_.Reset();
    }
    return conversation_ != nullptr;
}

void ElementClient::Disconnect()
{
    items_.clear();
    conversation_ = nullptr;
    instance_.Reset();
}

HSZ ElementClient::Item(const char* name)
{
    for (const auto& item : items_) {
        if (item.first == name) {
            return item.second.Get();
        }
    }
    items_.emplace_back(name, DdeString(instance_.Get(), name));
    return items_.back().second.Get();
}

bool ElementClient::Poke(const char* name, const char* text)
{
    return PokeData(name, text, static_cast<DWORD>(std::strlen(text)) + 1, CF_TEXT);
}

bool ElementClient::PokeData(const char* name, const void* data, DWORD size, UINT format)
{
    if (conversation_ == nullptr) {
        return false;
    }
    // DDEML only reads the data; its signature merely lacks the const.
    auto* bytes = static_cast<LPBYTE>(const_cast<void*>(data));
    return DdeClientTransaction(bytes, size, conversation_, Item(name), format, XTYP_POKE, hookapi::kPokeTimeoutMs,
                                nullptr) != nullptr;
}

bool ElementClient::Request(const char* name, std::string& value)
{
    if (conversation_ == nullptr) {
        return false;
    }
    HDDEDATA data = DdeClientTransaction(nullptr, 0, conversation_, Item(name), CF_TEXT, XTYP_REQUEST,
                                         hookapi::kPokeTimeoutMs, nullptr);
    if (data == nullptr) {
        return false;
    }
    DWORD size = 0;
    const BYTE* bytes = DdeAccessData(data, &size);
    value.clear();
    if (bytes != nullptr) {
        const void* nul = std::memchr(bytes, '\0', size);
        value.assign(reinterpret_cast<const char*>(bytes), nul ? static_cast<const BYTE*>(nul) - bytes : size);
        DdeUnaccessData(data);
    }
    DdeFreeDataHandle(data);
    return true;
}

bool ElementClient::ConversationStands() const
{
    if (conversation_ == nullptr || DdeGetLastError(instance_.Get()) == DMLERR_NO_CONV_ESTABLISHED) {
        return false;
    }
    CONVINFO info = {};
    info.cb = sizeof info;
    if (!DdeQueryConvInfo(conversation_, QID_SYNC, &info)) {
        return false;
    }
    return (info.wStatus & ST_CONNECTED) && !(info.wStatus & ST_TERMINATED) && IsWindow(info.hwndPartner);
}
