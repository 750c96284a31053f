#include "Horaset.h"

#include "CommandLine.h"
#include "ElementLink.h"

#include <cstdio>

int RunHoraset(int argc, const char* const argv[])
{
    if (argc < 2 || AnyHelpRequest(argc, argv)) {
        std::printf(kUsageFormat); // the text is its own format: "%%" prints as '%'
        return kExitNothingSet;
    }
    ElementLink link;
    if (!link.Connect()) {
        std::printf("Cannot establish link with Horalume\n");
        return kExitNoLink;
    }
    bool anythingSet = false;
    for (int i = 1; i < argc; ++i) {
        if (!IsSwitch(argv[i]) && link.SetElement(argv[i])) {
            anythingSet = true;
        }
    }
    return anythingSet ? kExitSomethingSet : kExitNothingSet;
}
