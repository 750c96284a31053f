#include "clockhook/model/ElementTable.h"

#include <algorithm>
#include <cstring>

static char FoldAsciiCase(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

static bool SameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return FoldAsciiCase(x) == FoldAsciiCase(y); });
}

SetResult ElementTable::Set(std::string_view name, std::string_view value)
{
    if (name.empty() || name.size() > kMaxElementNameLength || value.size() > kMaxElementValueLength) {
        return SetResult::Refused;
    }

    auto found = std::find_if(elements_.begin(), elements_.end(),
                              [name](const Element& element) { return SameName(element.name, name); });
    if (value.empty()) {
        if (found == elements_.end()) {
            return SetResult::Unchanged;
        }
        elements_.erase(found);
        return SetResult::Changed;
    }
    if (found != elements_.end()) {
        if (found->value == value) {
            return SetResult::Unchanged;
        }
        found->value.assign(value);
        return SetResult::Changed;
    }
    if (elements_.size() >= kMaxElements) {
        return SetResult::Refused;
    }
    elements_.push_back(Element{std::string(name), std::string(value)});
    return SetResult::Changed;
}

const char* ElementTable::Find(std::string_view name) const
{
    for (const Element& element : elements_) {
        if (SameName(element.name, name)) {
            return element.value.c_str();
        }
    }
    return nullptr;
}

std::string_view PokedText(const void* data, std::size_t size)
{
    if (data == nullptr) {
        return {};
    }
    const char* text = static_cast<const char*>(data);
    const void* nul = std::memchr(text, '\0', size);
    return std::string_view(text, nul ? static_cast<const char*>(nul) - text : size);
}
