#include "stress/storm/DdeStorm.h"

#include "hookapi/HookApi.h"

#include <windows.h>

#include <ddeml.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr DWORD kTimeoutMs = 1000;
constexpr DWORD kUnadviseTimeoutMs = 20;

constexpr UINT kTypes[] = {XTYP_POKE, XTYP_REQUEST, XTYP_ADVSTART, XTYP_ADVSTOP, XTYP_EXECUTE};
constexpr const char* kTypeNames[] = {"poke", "request", "advise", "unadvise", "execute"};
constexpr int kTypeCount = 5;

struct Counts {
    unsigned sent = 0;
    unsigned answered = 0;
    unsigned reconnects = 0;
    unsigned sentByType[kTypeCount] = {};
    unsigned answeredByType[kTypeCount] = {};
};

HDDEDATA CALLBACK ClientCallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR)
{
    return nullptr;
}

// Half the names come from a pool larger than the table, so it fills up and
// names are set, changed and forgotten; the rest are random, some over the
// 32-character bound, a few empty.
std::string RandomName(std::mt19937& random)
{
    if (random() % 2) {
        return "E" + std::to_string(random() % 100);
    }
    std::string name(random() % 41, ' ');
    for (char& c : name) {
        c = static_cast<char>(random() % 8 ? 0x21 + random() % 94 : 0x80 + random() % 128);
    }
    return name;
}

std::vector<BYTE> RandomData(std::mt19937& random)
{
    std::vector<BYTE> data(random() % 401);
    for (BYTE& byte : data) {
        byte = static_cast<BYTE>(random() % 4 ? 0x20 + random() % 95 : random() % 256);
    }
    if (!data.empty() && random() % 2) {
        data.back() = 0;
    }
    return data;
}

HDDEDATA Transaction(DWORD instance, HCONV conversation, UINT type, std::mt19937& random)
{
    UINT format = random() % 3 ? CF_TEXT : random() % 0x10000;
    std::vector<BYTE> data = RandomData(random);
    if (type == XTYP_EXECUTE) {
        return DdeClientTransaction(data.data(), static_cast<DWORD>(data.size()), conversation, nullptr, 0, type,
                                    kTimeoutMs, nullptr);
    }
    std::string name = RandomName(random);
    HSZ item = DdeCreateStringHandleA(instance, name.c_str(), CP_WINANSI);
    // Wine's server side never answers an unadvise of a link it does not
    // hold (and asynchronous waits for that answer stall the conversation),
    // so an unadvise waits only briefly.
    DWORD timeout = type == XTYP_ADVSTOP ? kUnadviseTimeoutMs : kTimeoutMs;
    HDDEDATA result = type == XTYP_POKE
                          ? DdeClientTransaction(data.data(), static_cast<DWORD>(data.size()), conversation, item,
                                                 format, type, timeout, nullptr)
                          : DdeClientTransaction(nullptr, 0, conversation, item, format, type, timeout, nullptr);
    if (item != nullptr) {
        DdeFreeStringHandle(instance, item);
    }
    if (type == XTYP_REQUEST && result != nullptr) {
        DdeFreeDataHandle(result);
    }
    return result;
}

} // namespace

int RunDdeClient(unsigned count, unsigned seed)
{
    DWORD instance = 0;
    if (DdeInitializeA(&instance, ClientCallback, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) {
        return 1;
    }
    HSZ service = DdeCreateStringHandleA(instance, hookapi::kServiceName, CP_WINANSI);
    HSZ topic = DdeCreateStringHandleA(instance, hookapi::kTopicName, CP_WINANSI);
    std::mt19937 random(seed);
    Counts counts;
    HCONV conversation = nullptr;
    for (unsigned attempt = 0; counts.sent < count && attempt < count * 2; ++attempt) {
        if (conversation == nullptr && (conversation = DdeConnect(instance, service, topic, nullptr)) == nullptr) {
            Sleep(10);
            continue;
        }
        int type = static_cast<int>(random() % kTypeCount);
        ++counts.sent;
        ++counts.sentByType[type];
        if (Transaction(instance, conversation, kTypes[type], random) != nullptr) {
            ++counts.answered;
            ++counts.answeredByType[type];
        } else if (DdeGetLastError(instance) == DMLERR_NO_CONV_ESTABLISHED) {
            DdeDisconnect(conversation);
            conversation = nullptr;
            ++counts.reconnects;
        }
    }
    if (conversation != nullptr) {
        DdeDisconnect(conversation);
    }
    DdeFreeStringHandle(instance, service);
    DdeFreeStringHandle(instance, topic);
    DdeUninitialize(instance);
    std::printf("  client %u: %u transactions, %u answered, %u reconnects; answered by type:", seed, counts.sent,
                counts.answered, counts.reconnects);
    for (int type = 0; type < kTypeCount; ++type) {
        std::printf(" %s %u/%u", kTypeNames[type], counts.answeredByType[type], counts.sentByType[type]);
    }
    std::printf("\n");
    return counts.sent == count ? 0 : 1;
}
