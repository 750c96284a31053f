// The user-element server: DDE service "Horalume", topic "UserElement".
// Clients poke an element's value in CF_TEXT and may request it back; the
// server hands both to the clock model. It runs on the shell's thread, which
// dispatches its transactions.
#pragma once

#include "clockhook/model/ClockModel.h"
#include "win32/Win32Handles.h"

#include <windows.h>

#include <ddeml.h>

class ElementServer {
public:
    ElementServer() = default;
    ElementServer(const ElementServer&) = delete;
    ElementServer& operator=(const ElementServer&) = delete;

    // Fails, leaving nothing running, when DDEML refuses or when another server
    // already serves the service (two would split the clients between them).
    bool Start(ClockModel& model);
    void Stop();

    // One transaction of DDEML's callback, which carries no context.
    HDDEDATA OnTransaction(UINT type, UINT format, HSZ topic, HSZ item, HDDEDATA data);

private:
    struct FreeDdeData {
        void operator()(HDDEDATA data) const { DdeFreeDataHandle(data); }
    };

    bool ItemName(HSZ item, char (&name)[kMaxElementNameLength + 2]) const;
    HDDEDATA OnPoke(UINT format, HSZ item, HDDEDATA data);
    HDDEDATA OnRequest(UINT format, HSZ item);
    bool ServiceTaken() const;

    ClockModel* model_ = nullptr;
    UniqueDdeInstance instance_;
    DdeString service_;
    DdeString topic_;
    // The last request's answer. It is the server's own: some DDEML
    // implementations never free an answer handed to them, so each request
    // would leak one; held here, it is freed at the next request or at stop.
    UniqueWin32<HDDEDATA, FreeDdeData> answer_;
};
