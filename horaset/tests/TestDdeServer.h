// A stand-in for the clock component's end of the user-element link: serves
// service "Horalume", topic "UserElement" on a thread of its own (DDEML needs a
// message loop there while the client runs) and records what clients do.
#pragma once

#include <windows.h>

#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

struct ReceivedPoke {
    std::string item;
    std::string data; // every byte received, the terminating zero included; empty if not answered
    UINT format;
    bool answered; // false: dropped unseen, left to the client's time-out
};

class TestDdeServer {
public:
    // Pokes of the items named in unanswered are refused the only way a client
    // under Wine notices: they get no answer at all, so the client's 1000 ms
    // time-out fails them (Wine's client takes DDE_FNOTPROCESSED for success).
    explicit TestDdeServer(std::set<std::string> unanswered = {});
    ~TestDdeServer();
    TestDdeServer(const TestDdeServer&) = delete;
    TestDdeServer& operator=(const TestDdeServer&) = delete;

    bool Running() const { return running_; }
    int Connections() const;
    std::vector<ReceivedPoke> Pokes() const;

    // Records an unanswered poke; false for the items that are answered.
    bool Drops(const std::string& item);

private:
    static HDDEDATA CALLBACK Callback(UINT type, UINT format, HCONV conversation, HSZ topic, HSZ item, HDDEDATA data,
                                      ULONG_PTR, ULONG_PTR);
    void Serve(HANDLE ready);
    HDDEDATA OnPoke(HSZ item, HDDEDATA data, UINT format);

    const std::set<std::string> unanswered_;
    DWORD instance_ = 0;
    HSZ topic_ = nullptr;
    bool running_ = false;
    DWORD threadId_ = 0;
    std::thread thread_;

    mutable std::mutex mutex_;
    int connections_ = 0;
    std::vector<ReceivedPoke> pokes_;
};
