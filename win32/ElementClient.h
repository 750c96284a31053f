// The client end of the user-element link: one DDE conversation with the
// clock component (service "Horalume", topic "UserElement"), used by every
// program that sets or reads user elements.
#pragma once

#include "win32/Win32Handles.h"

#include <string>
#include <utility>
#include <vector>

class ElementClient {
public:
    ElementClient() = default;
    ~ElementClient() { Disconnect(); }
    ElementClient(const ElementClient&) = delete;
    ElementClient& operator=(const ElementClient&) = delete;

    // Ends the conversation held, if any, then tries once to make a new one;
    // true if it stands.
    bool Connect();
    // Ends the conversation with its DDEML instance (no separate disconnect
    // is sent: uninitializing ends it).
    void Disconnect();
    bool IsConnected() const { return conversation_ != nullptr; }

    // Pokes text and its one NUL into the element, in CF_TEXT.
    bool Poke(const char* name, const char* text);
    // Pokes exactly size bytes in the given format. True if the clock took
    // them within the poke time-out.
    bool PokeData(const char* name, const void* data, DWORD size, UINT format);
    // The element's CF_TEXT value up to its first NUL; false if the request failed.
    bool Request(const char* name, std::string& value);

    // After a failed transaction: whether the partner is still there, or the
    // conversation died with it.
    bool ConversationStands() const;

private:
    // The string handle of an element name, made once per conversation, so a
    // program that pokes the same elements again allocates nothing more.
    HSZ Item(const char* name);

    UniqueDdeInstance instance_;
    HCONV conversation_ = nullptr;
    std::vector<std::pair<std::string, DdeString>> items_; // freed before the instance
};
