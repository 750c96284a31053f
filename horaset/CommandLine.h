// horaset's command line: help requests, switches and name=value arguments.
// Portable: no window or DDE code here.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Exit codes, read by batch files through ERRORLEVEL.
enum HorasetExitCode {
    kExitSomethingSet = 0,
    kExitNothingSet = 1, // also after the usage text
    kExitNoLink = 2,
};

// horaset cuts element names to this many characters, as batch files written
// for it expect; the clock itself takes longer names.
constexpr std::size_t kArgumentNameLength = 8;

// The usage text, printed with itself as the printf format: each "%%" prints as one '%'.
extern const char kUsageFormat[];

// '/' or '-' first: not an element argument.
bool IsSwitch(const char* argument);

// A switch whose second character is '?'.
bool IsHelpRequest(const char* argument);

// Whether any argument after the program name asks for help.
bool AnyHelpRequest(int argc, const char* const argv[]);

struct ElementAssignment {
    std::string name; // no '%' at either end, at most kArgumentNameLength characters
    // The rest of the argument, '=' and '%' characters included. It is a tail of
    // the argument, so value.data()[value.size()] is the argument's terminating zero.
    std::string_view value;
};

// Splits "name=value" after skipping leading '=' characters; the value runs to
// the end of the argument. No element when no usable name is left.
std::optional<ElementAssignment> ParseElementArgument(const char* argument);
