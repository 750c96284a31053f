#include "ElementLink.h"

#include "CommandLine.h"
#include "HookApi.h"

#include <cstdio>

namespace {

// A client-only instance skipping all notifications has nothing to answer.
HDDEDATA CALLBACK IgnoreDdeCallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR)
{
    return nullptr;
}

// A DDEML string handle, freed when it goes out of scope.
class DdeString {
public:
    DdeString(DWORD instance, const char* text)
        : instance_(instance), handle_(DdeCreateStringHandleA(instance, text, CP_WINANSI))
    {
    }
    ~DdeString()
    {
        if (handle_) {
            DdeFreeStringHandle(instance_, handle_);
        }
    }
    DdeString(const DdeString&) = delete;
    DdeString& operator=(const DdeString&) = delete;

    HSZ Handle() const { return handle_; }

private:
    DWORD instance_;
    HSZ handle_;
};

} // namespace

ElementLink::~ElementLink()
{
    // DdeUninitialize ends the conversation too; no separate disconnect is sent.
    if (instance_) {
        DdeUninitialize(instance_);
        instance_ = 0;
    }
}

bool ElementLink::Connect()
{
    if (DdeInitializeA(&instance_, IgnoreDdeCallback, APPCMD_CLIENTONLY | CBF_SKIP_ALLNOTIFICATIONS, 0) !=
        DMLERR_NO_ERROR) {
        instance_ = 0;
        return false;
    }
    {
        DdeString service(instance_, hookapi::kServiceName);
        DdeString topic(instance_, hookapi::kTopicName);
        conversation_ = DdeConnect(instance_, service.Handle(), topic.Handle(), nullptr);
    }
    if (!conversation_) {
        DdeUninitialize(instance_);
        instance_ = 0;
    }
    return conversation_ != nullptr;
}

bool ElementLink::SetElement(const char* argument)
{
    const auto element = ParseElementArgument(argument);
    if (!element) {
        return false;
    }
    DdeString item(instance_, element->name.c_str());
    // The value is a tail of the argument, so its terminating zero goes with it.
    // DDEML only reads the data; its signature merely lacks the const.
    auto* data = reinterpret_cast<LPBYTE>(const_cast<char*>(element->value.data()));
    const auto size = static_cast<DWORD>(element->value.size() + 1);
    const bool taken = DdeClientTransaction(data, size, conversation_, item.Handle(), CF_TEXT, XTYP_POKE,
                                            hookapi::kPokeTimeoutMs, nullptr) != nullptr;
    if (!taken) {
        std::printf("Cannot set value of '%s'\n", element->name.c_str());
    }
    return taken;
}
