// Fuzzes the user-element table as the clock's DDE server feeds it: pokes
// and requests with any format, item name and data, then a render naming
// the elements. A plain map of folded names checks every answer, and the
// table must stay within its bounds whatever the clients send.
#include "clockformat/ClockFormat.h"
#include "clockhook/model/ElementTable.h"

#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <map>
#include <string>

namespace {

constexpr unsigned kTextFormat = 1; // CF_TEXT

std::string Folded(std::string_view name)
{
    std::string folded(name);
    for (char& c : folded) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return folded;
}

void Check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

// What the table must answer to a poke the server passed on.
SetResult Expected(const std::map<std::string, std::string>& model, std::string_view name, std::string_view value)
{
    if (name.empty() || name.size() > kMaxElementNameLength || value.size() > kMaxElementValueLength) {
        return SetResult::Refused;
    }
    auto found = model.find(Folded(name));
    if (found == model.end()) {
        return value.empty() ? SetResult::Unchanged
                             : (model.size() >= kMaxElements ? SetResult::Refused : SetResult::Changed);
    }
    return found->second == value ? SetResult::Unchanged : SetResult::Changed;
}

void Poke(ElementTable& table, std::map<std::string, std::string>& model, unsigned format, const std::string& name,
          const std::string& data)
{
    // The server refuses other formats and over-long items before the table.
    if (format != kTextFormat || name.size() > kMaxElementNameLength) {
        return;
    }
    std::string_view value = PokedText(data.data(), data.size());
    SetResult expected = Expected(model, name, value);
    Check(table.Set(name, value) == expected);
    if (expected != SetResult::Changed) {
        return;
    }
    if (value.empty()) {
        model.erase(Folded(name));
    } else {
        model[Folded(name)] = std::string(value);
    }
}

void Request(const ElementTable& table, const std::map<std::string, std::string>& model, const std::string& name)
{
    const char* value = table.Find(name);
    auto found = model.find(Folded(name));
    Check(found == model.end() ? value == nullptr : value != nullptr && found->second == value);
}

void Render(const ElementTable& table, const std::string& name)
{
    RenderContext context;
    context.elements = [&table](std::string_view element) { return table.Find(element); };
    std::vector<RenderedLine> lines = RenderClockFormat("%" + name + "%|x%" + name + "%", ClockMoment(), context);
    Check(!lines.empty() && lines.size() <= kMaxLines);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    ElementTable table;
    std::map<std::string, std::string> model;
    while (input.remaining_bytes() > 0) {
        int kind = input.ConsumeIntegralInRange(0, 3);
        unsigned format = input.ConsumeBool() ? input.ConsumeIntegral<std::uint16_t>() : kTextFormat;
        // An item name is a string handle's text: it ends at its first NUL.
        std::string name = input.ConsumeRandomLengthString(40);
        name.resize(std::char_traits<char>::length(name.c_str()));
        if (kind <= 1) {
            Poke(table, model, format, name, input.ConsumeRandomLengthString(300));
        } else if (kind == 2) {
            Request(table, model, name);
        } else {
            Render(table, name);
        }
        Check(table.Count() == model.size() && table.Count() <= kMaxElements);
    }
    return 0;
}
