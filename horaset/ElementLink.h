// The DDE conversation with the clock component through which horaset sets
// user elements. Ended, with its DDEML instance, when the link goes away.
#pragma once

#include <windows.h>

#include <ddeml.h>

class ElementLink {
public:
    ElementLink() = default;
    ~ElementLink();
    ElementLink(const ElementLink&) = delete;
    ElementLink& operator=(const ElementLink&) = delete;

    // Makes the conversation; false when no clock component serves it.
    bool Connect();

    // Pokes one name=value argument; true if the clock took the value. A refused
    // or timed-out poke is reported on standard output; an argument without a
    // usable name is skipped silently.
    bool SetElement(const char* argument);

private:
    DWORD instance_ = 0;
    HCONV conversation_ = nullptr;
};
