// Output of one rendered line, bounded so that no format can grow the
// clock's text without limit.
#pragma once

#include "clockformat/ClockFormat.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

// Appends to one line and never lets it grow past kMaxLineBytes.
class LineWriter {
public:
    explicit LineWriter(std::string& text) : text_(text) {}

    std::size_t Room() const { return kMaxLineBytes - text_.size(); }

    void Put(std::string_view piece) { text_.append(piece.data(), std::min(piece.size(), Room())); }

    void Put(char ch)
    {
        if (Room() > 0) {
            text_.push_back(ch);
        }
    }

    // A zero-terminated text of any length, read no further than fits.
    void PutTerminated(const char* text)
    {
        std::size_t length = 0;
        for (std::size_t room = Room(); length < room && text[length] != '\0';) {
            ++length;
        }
        text_.append(text, length);
    }

    void PutNumber(long long value, int minDigits = 1)
    {
        char digits[24];
        std::size_t count = Digits(value, minDigits, digits);
        if (value < 0) {
            Put('-');
        }
        Put(std::string_view(digits + sizeof digits - count, count));
    }

    // Digits in groups of three, "15,000".
    void PutGrouped(long long value, std::string_view separator)
    {
        char digits[24];
        std::size_t count = Digits(value, 1, digits);
        const char* next = digits + sizeof digits - count;
        if (value < 0) {
            Put('-');
        }
        for (std::size_t group = (count - 1) % 3 + 1; count > 0; group = 3) {
            Put(std::string_view(next, group));
            next += group;
            count -= group;
            if (count > 0) {
                Put(separator);
            }
        }
    }

private:
    // Writes the magnitude at the end of the buffer; returns the digit count.
    static std::size_t Digits(long long value, int minDigits, char (&buffer)[24])
    {
        unsigned long long magnitude = value < 0 ? 0ull - static_cast<unsigned long long>(value) : value;
        char* first = buffer + sizeof buffer;
        do {
            *--first = static_cast<char>('0' + magnitude % 10);
            magnitude /= 10;
            --minDigits;
        } while (magnitude != 0 || minDigits > 0);
        return static_cast<std::size_t>(buffer + sizeof buffer - first);
    }

    std::string& text_;
};
