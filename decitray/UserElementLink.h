// Decitray's end of the user-element link: one DDE conversation with the
// clock component, service "Horalume", topic "UserElement", made once and
// kept; the clock text goes to element "DC", the date text to "DD".
#pragma once

#include <windows.h>

#include <ddeml.h>

class UserElementLink {
public:
    UserElementLink() = default;
    ~UserElementLink() { Close(); }

    UserElementLink(const UserElementLink&) = delete;
    UserElementLink& operator=(const UserElementLink&) = delete;

    // Tries once to make the conversation; true if it stands.
    bool Connect();
    // While not connected, only tries to connect; once connected, pokes both
    // texts. A conversation found dead after a failed poke is released, so
    // the next push connects anew.
    void Push(const char* clockText, const char* dateText);
    void Close();

    bool IsConnected() const { return connected; }

private:
    bool Poke(HSZ item, const char* text);
    bool ConversationStands() const;
    void Release();

    DWORD instance = 0;
    HCONV conversation = nullptr;
    HSZ clockItem = nullptr;
    HSZ dateItem = nullptr;
    bool connected = false;
};
