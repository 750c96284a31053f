#include "horaset/Horaset.h"

#include "horaset/CommandLine.h"
#include "win32/ElementClient.h"

#include <cstdio>

// Pokes one name=value argument; true if the clock took the value. A refused
// or timed-out poke is reported on standard output; an argument without a
// usable name is skipped silently.
static bool SetElement(ElementClient& client, const char* argument)
{
    const auto element = ParseElementArgument(argument);
    if (!element) {
        return false;
    }
    // The value is a tail of the argument, so its terminating zero goes with it.
    if (client.Poke(element->name.c_str(), element->value.data())) {
        return true;
    }
    std::printf("Cannot set value of '%s'\n", element->name.c_str());
    return false;
}

int RunHoraset(int argc, const char* const argv[])
{
    if (argc < 2 || AnyHelpRequest(argc, argv)) {
        std::printf(kUsageFormat); // the text is its own format: "%%" prints as '%'
        return kExitNothingSet;
    }
    ElementClient client;
    if (!client.Connect()) {
        std::printf("Cannot establish link with Horalume\n");
        return kExitNoLink;
    }
    bool anythingSet = false;
    for (int i = 1; i < argc; ++i) {
        if (!IsSwitch(argv[i]) && SetElement(client, argv[i])) {
            anythingSet = true;
        }
    }
    return anythingSet ? kExitSomethingSet : kExitNothingSet;
}
