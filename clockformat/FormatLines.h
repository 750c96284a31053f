// Where the lines of a clock format begin and end: the one rule the clock's
// renderer and the format editor both follow.
#pragma once

#include <cstddef>
#include <string_view>

// The lines of a format: a '|' ends a line except inside quoted text. A
// '%' opens an element name up to the next '%' on its line, and quotes
// inside that name are part of it. FormatLineEnd returns the position of the
// '|' ending the line that starts at pos (or the format's size);
// FormatLineStart the start of the line holding pos.
std::size_t FormatLineEnd(std::string_view format, std::size_t pos);
std::size_t FormatLineStart(std::string_view format, std::size_t pos);
