// The clock format: a picture of element letters, quoted text, user
// elements and line marks that the taskbar clock turns into its text once a
// second. Portable: the caller gathers the locale texts, the time and the
// readings. The elements are described in README.md.
#pragma once

#include "clockformat/ClockCalendar.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

enum class LineAlign { Centre, Left, Right };

struct RenderedLine {
    std::string text;
    LineAlign align = LineAlign::Centre;
};

// Texts of the clock's locale, filled by the caller (GetLocaleInfoA).
struct LocaleTexts {
    std::string longDayNames[7], shortDayNames[7]; // Sunday first
    std::string longMonthNames[12], shortMonthNames[12];
    std::string amText, pmText;
    std::string eraText;                 // gg; empty shows "A.D."
    std::string thousandSeparator = ","; // groups the digits of r and R
    // Pictures for f ff fff ffff, rendered with the same elements except
    // that line marks show as themselves and an f inside shows nothing.
    std::string shortTimeFormat, longTimeFormat, shortDateFormat, longDateFormat;
};

// English (United States) texts, used when the context names no locale.
const LocaleTexts& DefaultLocaleTexts();

// A broken-down local time. Out-of-range fields render as numbers, or as
// empty names; they never fault.
struct ClockMoment {
    int year = 2000, month = 1 /* 1-12 */, day = 1, weekday = 6 /* 0 Sunday */, dayOfYear = 1 /* 1-366 */;
    int hour = 0, minute = 0, second = 0;
    int biasMinutes = 0;     // local = UTC - bias, the Windows sign: UTC+1 has bias -60
    std::string zoneName;    // shown by ZZ
    int utcSecondsOfDay = 0; // 0-86399, for internet time
};

// Readings of the resource elements; a negative reading is unknown and
// shows "--".
struct ResourceReadings {
    long long physicalFreeKb = -1; // r in KB, R in MB
    int memoryLoad = -1;           // L, percent
    int cpuUsage = -1;             // C, percent
};

// The value of a user element for %NAME%, or nullptr for one never set.
// The name is passed as written in the format; matching it regardless of
// case is the lookup's job. The text must stay valid until the call returns
// and is shown as it is, never expanded again.
using ElementLookup = std::function<const char*(std::string_view name)>;

struct RenderContext {
    const LocaleTexts* locale = nullptr; // nullptr: DefaultLocaleTexts()
    ElementLookup elements;              // empty: every user element is unset
    ResourceReadings resources;
    int firstDay = 0; // first day of the week for w and ww, 0 Sunday .. 6 Saturday
};

// Each rendered line holds at most this many bytes; the rest is cut off.
constexpr std::size_t kMaxLineBytes = 1024;
// Lines past this count are dropped.
constexpr std::size_t kMaxLines = 16;

// Renders the format into lines ('|' separates them). The second form
// reuses the vector and its strings, so a clock ticking every second does
// not allocate once warmed up.
std::vector<RenderedLine> RenderClockFormat(std::string_view format, const ClockMoment& moment,
                                            const RenderContext& context);
void RenderClockFormat(std::string_view format, const ClockMoment& moment, const RenderContext& context,
                       std::vector<RenderedLine>& lines);

// The lines joined with the separator: "\n" for the window text, "\r\n" for
// the clipboard.
std::string JoinLines(const std::vector<RenderedLine>& lines, std::string_view separator);
