// A DDE client that speaks the messages themselves (no DDEML), so it can send
// what DDEML clients cannot: requests and pokes without an item name.
#pragma once

#include <windows.h>

struct RawDdeCounts {
    unsigned sent = 0;
    unsigned data = 0;     // requests answered with data
    unsigned accepted = 0; // positive acknowledgements
    unsigned refused = 0;  // negative acknowledgements
    unsigned silent = 0;   // no answer within the time-out
};

class RawDdeClient {
public:
    RawDdeClient();
    ~RawDdeClient();
    RawDdeClient(const RawDdeClient&) = delete;
    RawDdeClient& operator=(const RawDdeClient&) = delete;

    // WM_DDE_INITIATE for service and topic; false when no server answered.
    bool Connect(const char* service, const char* topic);
    // A request or a poke of the item (atom 0: none; any other atom passes to
    // the server), answered or timed out.
    void Request(UINT format, ATOM item, RawDdeCounts& counts);
    void Poke(UINT format, ATOM item, const char* text, RawDdeCounts& counts);
    // WM_DDE_TERMINATE, waiting for the server's.
    void Disconnect();

    // Called by the window procedure.
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    enum class Answer { None, Data, Accepted, Refused, Terminated };
    Answer WaitForAnswer();
    static void Count(Answer answer, RawDdeCounts& counts);

    HWND window_ = nullptr;
    HWND server_ = nullptr;
    Answer answer_ = Answer::None;
    bool ackAfterData_ = false;
};
