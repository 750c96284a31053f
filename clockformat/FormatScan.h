// The one walk over a line of a clock format: what is literal text, what is
// a user element and what is an element letter. The renderer draws from it;
// the pace of a format is read from it, so both always agree.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

// How many letters of a run form one element: the longest code that fits,
// or 0 when the letter is no element at all.
inline int ElementLength(char letter, std::size_t run)
{
    int longest = static_cast<int>(std::min<std::size_t>(run, 4));
    switch (letter) {
    case 'd':
    case 'M':
    case 'f':
        return longest;
    case 'y':
        return longest == 4 ? 4 : (longest >= 2 ? 2 : 1);
    case 'D':
        return longest >= 3 ? 3 : 1;
    case 'g':
    case 'w':
    case 'h':
    case 'H':
    case 'm':
    case 's':
    case 't':
        return std::min(longest, 2);
    case 'z':
    case 'Z':
        return longest >= 2 ? 2 : 0;
    case '#':
    case '@':
    case 'r':
    case 'R':
    case 'L':
    case 'C':
    case 'S':
    case 'U':
    case 'G':
        return 1;
    default:
        return 0;
    }
}

namespace formatscan {

// Text between quotes; two quotes in a row stand for one, inside quotes or
// out. A quote never closed runs to the end of the format.
template <class Visitor> std::size_t ScanQuoted(std::string_view format, std::size_t pos, Visitor& visitor)
{
    if (pos + 1 < format.size() && format[pos + 1] == '\'') {
        visitor.Text(format.substr(pos, 1));
        return pos + 2;
    }
    ++pos;
    while (pos < format.size()) {
        std::size_t quote = std::min(format.find('\'', pos), format.size());
        visitor.Text(format.substr(pos, quote - pos));
        pos = quote;
        if (pos + 1 < format.size() && format[pos + 1] == '\'') {
            visitor.Text(format.substr(pos, 1));
            pos += 2;
        } else if (pos < format.size()) {
            return pos + 1;
        }
    }
    return pos;
}

// %NAME% names a user element; %% stands for one '%'. A '%' not closed (on
// its line: lines are split before) is text with the rest of the line.
template <class Visitor> std::size_t ScanUserElement(std::string_view format, std::size_t pos, Visitor& visitor)
{
    std::size_t close = format.find('%', pos + 1);
    if (close == std::string_view::npos) {
        visitor.Text(format.substr(pos));
        return format.size();
    }
    if (close == pos + 1) {
        visitor.Text(format.substr(pos, 1));
    } else {
        visitor.UserElement(format.substr(pos + 1, close - pos - 1));
    }
    return close + 1;
}

template <class Visitor> void ScanRun(std::string_view format, std::size_t pos, std::size_t run, Visitor& visitor)
{
    char letter = format[pos];
    while (run > 0) {
        int length = ElementLength(letter, run);
        if (length == 0) {
            visitor.Text(format.substr(pos, 1));
            --run;
            continue;
        }
        visitor.Element(letter, length);
        run -= static_cast<std::size_t>(length);
    }
}

} // namespace formatscan

// Walks one line of a format (or a locale picture), telling the visitor
// visitor.Text(std::string_view) for literal text, visitor.UserElement(name)
// for %NAME% and visitor.Element(letter, length) for each element.
template <class Visitor> void ScanFormatSpan(std::string_view format, Visitor& visitor)
{
    std::size_t pos = 0;
    while (pos < format.size()) {
        char ch = format[pos];
        if (ch == '\'') {
            pos = formatscan::ScanQuoted(format, pos, visitor);
        } else if (ch == '%') {
            pos = formatscan::ScanUserElement(format, pos, visitor);
        } else if (ch == '~') {
            ++pos;
        } else {
            std::size_t run = 1;
            while (pos + run < format.size() && format[pos + run] == ch) {
                ++run;
            }
            formatscan::ScanRun(format, pos, run, visitor);
            pos += run;
        }
    }
}
