#include "clockformat/FormatLines.h"

#include <algorithm>

// Past the quoted text that starts at pos: two quotes in a row stand for one
// (inside quotes or out), and a quote never closed runs to the end.
static std::size_t QuotedTextEnd(std::string_view format, std::size_t pos)
{
    if (pos + 1 < format.size() && format[pos + 1] == '\'') {
        return pos + 2;
    }
    for (++pos; pos < format.size(); pos += 2) {
        pos = std::min(format.find('\'', pos), format.size());
        if (pos + 1 >= format.size() || format[pos + 1] != '\'') {
            return std::min(pos + 1, format.size());
        }
    }
    return format.size();
}

std::size_t FormatLineEnd(std::string_view format, std::size_t pos)
{
    while (pos < format.size()) {
        switch (format[pos]) {
        case '|':
            return pos;
        case '\'':
            pos = QuotedTextEnd(format, pos);
            break;
        case '%': {
            // An element name runs to the next '%', unless a '|' comes first.
            std::size_t close = format.find('%', pos + 1);
            std::size_t bar = format.find('|', pos);
            if (close >= bar) {
                return std::min(bar, format.size());
            }
            pos = close + 1;
            break;
        }
        default:
            ++pos;
        }
    }
    return format.size();
}

std::size_t FormatLineStart(std::string_view format, std::size_t pos)
{
    std::size_t start = 0;
    for (;;) {
        std::size_t end = FormatLineEnd(format, start);
        if (pos <= end || end >= format.size()) {
            return start;
        }
        start = end + 1;
    }
}
