// Fuzzes horaset's command line. The input is the argument vector, the
// arguments separated by NUL bytes; each is copied to a block of exactly its
// own size, so reading one byte past any of them is caught. Every element
// argument is split as horaset pokes it: the value and its terminating zero
// must lie inside the argument.
#include "horaset/CommandLine.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

void Check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

void CheckAssignment(const char* argument)
{
    std::optional<ElementAssignment> element = ParseElementArgument(argument);
    if (!element) {
        return;
    }
    const std::string& name = element->name;
    Check(!name.empty() && name.size() <= kArgumentNameLength);
    Check(name.front() != '%' && name.find('=') == std::string::npos);
    const char* end = argument + std::strlen(argument);
    const char* value = element->value.data();
    Check(value >= argument && value + element->value.size() == end && *end == '\0');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::unique_ptr<char[]>> arguments;
    const char* text = reinterpret_cast<const char*>(data);
    const char* end = text + size;
    while (text < end) {
        const char* nul = static_cast<const char*>(std::memchr(text, '\0', end - text));
        std::size_t length = (nul ? nul : end) - text;
        arguments.emplace_back(new char[length + 1]);
        std::memcpy(arguments.back().get(), text, length);
        arguments.back()[length] = '\0';
        text += length + 1;
    }
    std::vector<const char*> argv{"horaset"};
    for (const auto& argument : arguments) {
        argv.push_back(argument.get());
    }
    AnyHelpRequest(static_cast<int>(argv.size()), argv.data());
    for (std::size_t i = 1; i < argv.size(); ++i) {
        if (!IsSwitch(argv[i])) {
            CheckAssignment(argv[i]);
        }
    }
    return 0;
}
