// Small pieces of the clock's text handling that need no window.
#pragma once

#include <cstddef>
#include <string_view>

// Copies the text into a caller's buffer of size bytes, cut to fit and always
// terminated (as WM_GETTEXT does); returns the characters copied.
std::size_t CopyWindowText(std::string_view text, char* buffer, std::size_t size);
