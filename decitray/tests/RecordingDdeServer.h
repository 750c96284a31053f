// A stand-in for the clock component's DDE side: serves "Horalume" /
// "UserElement" on a thread of its own and records every poke.
#pragma once

#include <windows.h>

#include <string>
#include <thread>
#include <vector>

struct RecordedPoke {
    std::string item;
    UINT format;
    std::string bytes; // exactly as received, terminating NUL included
    DWORD tick;        // GetTickCount at receipt
    long long moment;  // seconds since 1970 at receipt
};

class RecordingDdeServer {
public:
    RecordingDdeServer();
    ~RecordingDdeServer() { Stop(); }

    RecordingDdeServer(const RecordingDdeServer&) = delete;
    RecordingDdeServer& operator=(const RecordingDdeServer&) = delete;

    // Registers the service; Stop withdraws it and ends every conversation.
    void Start();
    void Stop();
    // While paused the server's thread answers nothing.
    void Pause();
    void Resume();

    std::vector<RecordedPoke> Pokes() const;
    std::vector<DWORD> Connects() const; // tick of each conversation made
    int Disconnects() const;

private:
    void Run(HANDLE ready);

    std::thread thread;
    DWORD threadId = 0;
    HANDLE resumeEvent = nullptr;
};
