// A stand-in for the clock component's DDE side: serves "Horalume" /
// "UserElement" on a thread of its own (DDEML needs a message loop there while
// the client runs) and records conversations and pokes. One server at a time.
#pragma once

#include "win32/Win32Handles.h"

#include <windows.h>

#include <set>
#include <string>
#include <thread>
#include <vector>

namespace testkit {

struct RecordedPoke {
    std::string item;
    UINT format;
    std::string bytes; // exactly as received, terminating NUL included; empty if not answered
    bool answered;     // false: dropped unseen, left to the client's time-out
    DWORD tick;        // GetTickCount at receipt
    long long moment;  // seconds since 1970 at receipt
};

class RecordingDdeServer {
public:
    // Pokes of the items named in unanswered are refused the only way a client
    // under Wine notices: they get no answer at all, so the client's 1000 ms
    // time-out fails them (Wine's client takes DDE_FNOTPROCESSED for success).
    explicit RecordingDdeServer(std::set<std::string> unanswered = {});
    ~RecordingDdeServer() { Stop(); }
    RecordingDdeServer(const RecordingDdeServer&) = delete;
    RecordingDdeServer& operator=(const RecordingDdeServer&) = delete;

    // Registers the service (the constructor does); Stop withdraws it and ends
    // every conversation.
    void Start();
    void Stop();
    bool Running() const { return running_; }
    // While paused the server's thread answers nothing.
    void Pause();
    void Resume();

    std::vector<RecordedPoke> Pokes() const;
    std::vector<DWORD> Connects() const; // tick of each conversation made
    int Disconnects() const;

private:
    void Serve(HANDLE ready);

    const std::set<std::string> unanswered_;
    std::thread thread_;
    DWORD threadId_ = 0;
    UniqueHandle resumeEvent_;
    bool running_ = false;
};

} // namespace testkit
