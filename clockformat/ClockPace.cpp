#include "clockformat/ClockPace.h"

#include "clockformat/FormatLines.h"
#include "clockformat/FormatScan.h"

#include <algorithm>

namespace {

constexpr long long kSecond = 1000;
constexpr long long kMinute = 60 * kSecond;
constexpr long long kHour = 60 * kMinute;
constexpr long long kDay = 24 * kHour;

long long FloorDiv(long long value, long long divisor)
{
    long long quotient = value / divisor;
    return value % divisor < 0 ? quotient - 1 : quotient;
}

ClockUnit UnitOfElement(char letter)
{
    switch (letter) {
    case 's':
    case 'r':
    case 'R':
    case 'L':
    case 'C':
        return ClockUnit::Second;
    case 'm':
        return ClockUnit::Minute;
    case 'h':
    case 'H':
    case 't':
    case 'z': // the offset and the zone's name change with daylight saving
    case 'Z':
        return ClockUnit::Hour;
    case 'd':
    case 'M':
    case 'y':
    case 'w':
    case 'D':
    case '#':
        return ClockUnit::Day;
    default: // g, and S U G, which always show "--"
        return ClockUnit::None;
    }
}

// Gathers the pace of what a scan finds.
struct PaceReader {
    const LocaleTexts& locale;
    bool nested;
    FormatPace pace;

    void Text(std::string_view) {}
    void UserElement(std::string_view) {}
    void Element(char letter, int length)
    {
        if (letter == '@') {
            pace.beats = true;
        } else if (letter == 'f') {
            if (!nested) {
                PaceReader inner{locale, true, {}};
                ScanFormatSpan(Picture(length), inner);
                pace = Finer(pace, inner.pace);
            }
        } else {
            pace = Finer(pace, {UnitOfElement(letter), false});
        }
    }

    std::string_view Picture(int length) const
    {
        switch (length) {
        case 1:
            return locale.shortTimeFormat;
        case 2:
            return locale.longTimeFormat;
        case 3:
            return locale.shortDateFormat;
        default:
            return locale.longDateFormat;
        }
    }
};

long long UnitMilliseconds(ClockUnit unit)
{
    switch (unit) {
    case ClockUnit::Second:
        return kSecond;
    case ClockUnit::Minute:
        return kMinute;
    case ClockUnit::Hour:
        return kHour;
    default:
        return kDay;
    }
}

long long OffsetMs(const UtcOffsetAt& offsetAt, long long instant)
{
    return static_cast<long long>(offsetAt(instant)) * kMinute;
}

// The first instant in (from, to] whose offset differs from the one at from;
// the offset at to differs.
long long OffsetChange(const UtcOffsetAt& offsetAt, long long from, long long to)
{
    long long offset = OffsetMs(offsetAt, from);
    while (to - from > 1) {
        long long middle = from + (to - from) / 2;
        if (OffsetMs(offsetAt, middle) == offset) {
            from = middle;
        } else {
            to = middle;
        }
    }
    return to;
}

// The next instant at which the local clock turns over a unit, or its
// offset changes where that may change the text: for a day only when the
// jump crosses midnight; for finer units always (the hour and zone shown).
long long NextLocalTurn(ClockUnit unit, long long now, const UtcOffsetAt& offsetAt)
{
    long long length = UnitMilliseconds(unit);
    long long from = now;
    long long turn = now + length;
    for (int jumps = 0; jumps < 4; ++jumps) {
        long long offset = OffsetMs(offsetAt, from);
        turn = (FloorDiv(from + offset, length) + 1) * length - offset;
        if (OffsetMs(offsetAt, turn - 1) == offset) {
            return turn;
        }
        long long change = OffsetChange(offsetAt, from, turn - 1);
        long long after = change + OffsetMs(offsetAt, change);
        if (unit != ClockUnit::Day && unit != ClockUnit::None) {
            return change;
        }
        if (FloorDiv(change - 1 + offset, length) != FloorDiv(after, length)) {
            return change;
        }
        from = change;
    }
    return turn;
}

// Internet time shows whole beats of the UTC+1 day, from whole seconds: beat
// b shows from the first whole second at or after b * 86.4 s.
long long NextBeat(long long now)
{
    long long second = FloorDiv(now, kSecond);
    long long secondOfDay = second + 3600 - FloorDiv(second + 3600, 86400) * 86400;
    long long beat = secondOfDay * 1000 / 86400;
    long long nextSecond = ((beat + 1) * 864 + 9) / 10;
    return (second - secondOfDay + nextSecond) * kSecond;
}

} // namespace

FormatPace Finer(FormatPace a, FormatPace b)
{
    return {std::max(a.finest, b.finest), a.beats || b.beats};
}

FormatPace PaceOf(std::string_view format, const LocaleTexts& locale)
{
    PaceReader reader{locale, false, {}};
    std::size_t pos = 0;
    // Line by line as the renderer goes: lines past its limit never show.
    for (std::size_t line = 0; pos <= format.size() && line < kMaxLines; ++line) {
        if (pos < format.size() && (format[pos] == '<' || format[pos] == '>')) {
            ++pos;
        }
        std::size_t end = FormatLineEnd(format, pos);
        ScanFormatSpan(format.substr(pos, end - pos), reader);
        pos = end + 1;
    }
    return reader.pace;
}

long long MillisecondsToNextChange(FormatPace pace, long long now, const UtcOffsetAt& offsetAt)
{
    long long next = NextLocalTurn(pace.finest, now, offsetAt);
    if (pace.beats) {
        next = std::min(next, NextBeat(now));
    }
    return std::max(next - now, 1LL);
}
