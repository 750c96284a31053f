#include "horaset/CommandLine.h"

#include <algorithm>

const char kUsageFormat[] = "HORASET 1.4  Element setter of the decimal time package\n"
                            "Sets the value of a user-defined Horalume format element.\n"
                            "Requires Horalume version 1.4 or later.\n"
                            "\n"
                            "Usage:  horaset element=[value] [...]\n"
                            "\n"
                            "Returns:\n"
                            "  ERRORLEVEL 2 if connection to Horalume failed\n"
                            "  ERRORLEVEL 1 if no elements were set\n"
                            "  ERRORLEVEL 0 if at least one element was set\n"
                            "\n"
                            "User-defined elements in Horalume's format strings must be enclosed in '%%'\n"
                            "symbols (such as %%MYITEM%%), but you must not include the '%%' symbols here!\n";

bool IsSwitch(const char* argument)
{
    return argument[0] == '/' || argument[0] == '-';
}

bool IsHelpRequest(const char* argument)
{
    return IsSwitch(argument) && argument[1] == '?';
}

bool AnyHelpRequest(int argc, const char* const argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (IsHelpRequest(argv[i])) {
            return true;
        }
    }
    return false;
}

std::optional<ElementAssignment> ParseElementArgument(const char* argument)
{
    std::string_view rest(argument);
    rest.remove_prefix(std::min(rest.find_first_not_of('='), rest.size()));

    const std::size_t equals = rest.find('=');
    std::string_view name = rest.substr(0, equals);
    const std::string_view value =
        equals == std::string_view::npos ? rest.substr(rest.size()) : rest.substr(equals + 1);

    name.remove_prefix(std::min(name.find_first_not_of('%'), name.size()));
    const std::size_t lastKept = name.find_last_not_of('%');
    name = name.substr(0, lastKept == std::string_view::npos ? 0 : lastKept + 1);
    if (name.empty()) {
        return std::nullopt;
    }
    return ElementAssignment{std::string(name.substr(0, kArgumentNameLength)), value};
}
