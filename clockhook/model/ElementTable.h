// The user elements a clock holds: named text values set by DDE clients and
// shown wherever the clock format names them between '%' signs. The clock
// lives inside the shell, so the table is bounded: a misbehaving client can
// fill it, never grow it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

constexpr std::size_t kMaxElements = 64;          // distinct names held at once
constexpr std::size_t kMaxElementNameLength = 32; // characters, without the NUL
constexpr std::size_t kMaxElementValueLength = 255;

enum class SetResult {
    Changed,   // the shown value is now different
    Unchanged, // taken, but it was already the value
    Refused,   // a bound was exceeded or the name is empty; nothing changed
};

class ElementTable {
public:
    // An empty value forgets the element, freeing its place; it shows
    // nothing either way. Names compare regardless of ASCII case.
    SetResult Set(std::string_view name, std::string_view value);

    // The value, or nullptr for an element never set (or forgotten). Valid
    // until the next Set.
    const char* Find(std::string_view name) const;

    std::size_t Count() const { return elements_.size(); }

private:
    struct Element {
        std::string name;
        std::string value;
    };
    std::vector<Element> elements_;
};

// The text a client poked: up to the first NUL, or all of the data when it
// holds none.
std::string_view PokedText(const void* data, std::size_t size);
