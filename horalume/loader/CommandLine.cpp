#include "horalume/loader/CommandLine.h"

bool IsUninstallSwitch(const char* argument)
{
    if (argument == nullptr || (argument[0] != '/' && argument[0] != '-')) {
        return false;
    }
    return argument[1] == 'U' || argument[1] == 'u';
}

bool WantsUninstall(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (IsUninstallSwitch(argv[i])) {
            return true;
        }
    }
    return false;
}
