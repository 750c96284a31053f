#include "clockformat/ClockFormat.h"

#include "clockformat/FormatLines.h"
#include "clockformat/FormatScan.h"
#include "clockformat/LineWriter.h"

#include <algorithm>

namespace {

long long Modulo(long long value, long long divisor)
{
    long long rest = value % divisor;
    return rest < 0 ? rest + divisor : rest;
}

class Renderer {
public:
    Renderer(const ClockMoment& moment, const RenderContext& context)
        : moment_(moment), context_(context), locale_(context.locale ? *context.locale : DefaultLocaleTexts())
    {
    }

    // Renders one line of the format, or a locale picture (nested: no f
    // elements there).
    void RenderSpan(std::string_view format, LineWriter& out, bool nested) const
    {
        SpanWriter writer{*this, out, nested};
        ScanFormatSpan(format, writer);
    }

private:
    // What the scan of a span finds, written out.
    struct SpanWriter {
        const Renderer& renderer;
        LineWriter& out;
        bool nested;

        void Text(std::string_view text) { out.Put(text); }
        void UserElement(std::string_view name) { renderer.RenderUserElement(name, out); }
        void Element(char letter, int length) { renderer.RenderElement(letter, length, out, nested); }
    };

    // Shows the element's value; nothing for one never set.
    void RenderUserElement(std::string_view name, LineWriter& out) const
    {
        if (context_.elements) {
            if (const char* value = context_.elements(name)) {
                out.PutTerminated(value);
            }
        }
    }

    void RenderElement(char letter, int length, LineWriter& out, bool nested) const
    {
        if (!RenderDateElement(letter, length, out)) {
            RenderTimeOrReading(letter, length, out, nested);
        }
    }

    // Returns false for a letter that is no date element.
    bool RenderDateElement(char letter, int length, LineWriter& out) const
    {
        const ClockMoment& m = moment_;
        switch (letter) {
        case 'd':
            if (length <= 2) {
                out.PutNumber(m.day, length);
            } else {
                out.Put(DayName(length == 4));
            }
            break;
        case 'M':
            if (length <= 2) {
                out.PutNumber(m.month, length);
            } else {
                out.Put(MonthName(length == 4));
            }
            break;
        case 'y':
            if (length == 4) {
                out.PutNumber(m.year, 4);
            } else {
                out.PutNumber(Modulo(m.year, 100), length);
            }
            break;
        case 'g':
            out.Put(locale_.eraText.empty() ? std::string_view("A.D.") : std::string_view(locale_.eraText));
            break;
        case 'w':
            out.PutNumber(WeekOfYear(m.dayOfYear, m.weekday, context_.firstDay), length);
            break;
        case 'D':
            out.PutNumber(m.dayOfYear, length);
            break;
        case '#':
            out.PutNumber(m.day);
            out.Put(OrdinalSuffix(m.day));
            break;
        default:
            return false;
        }
        return true;
    }

    void RenderTimeOrReading(char letter, int length, LineWriter& out, bool nested) const
    {
        const ClockMoment& m = moment_;
        switch (letter) {
        case 'h': {
            long long hour = Modulo(m.hour, 12);
            out.PutNumber(hour == 0 ? 12 : hour, length);
            break;
        }
        case 'H':
            out.PutNumber(m.hour, length);
            break;
        case 'm':
            out.PutNumber(m.minute, length);
            break;
        case 's':
            out.PutNumber(m.second, length);
            break;
        case 't': {
            const std::string& marker = m.hour < 12 ? locale_.amText : locale_.pmText;
            out.Put(std::string_view(marker).substr(0, length == 1 ? 1 : marker.size()));
            break;
        }
        case '@':
            out.Put('@');
            out.PutNumber(Modulo(static_cast<long long>(m.utcSecondsOfDay) + 3600, 86400) * 1000 / 86400, 3);
            break;
        case 'z':
            RenderBias(out);
            break;
        case 'Z':
            out.Put(m.zoneName);
            break;
        case 'f':
            if (!nested) {
                RenderSpan(LocalePicture(length), out, true);
            }
            break;
        case 'r':
        case 'R': {
            long long kb = context_.resources.physicalFreeKb;
            if (kb < 0) {
                out.Put("--");
            } else {
                out.PutGrouped(letter == 'r' ? kb : kb / 1024, locale_.thousandSeparator);
            }
            break;
        }
        case 'L':
            RenderPercent(context_.resources.memoryLoad, out);
            break;
        case 'C':
            RenderPercent(context_.resources.cpuUsage, out);
            break;
        default: // S, U, G: the resource meters of Windows 9x, unknown here
            out.Put("--");
            break;
        }
    }

    std::string_view DayName(bool full) const
    {
        int weekday = moment_.weekday;
        if (weekday < 0 || weekday > 6) {
            return {};
        }
        return full ? locale_.longDayNames[weekday] : locale_.shortDayNames[weekday];
    }

    std::string_view MonthName(bool full) const
    {
        int month = moment_.month;
        if (month < 1 || month > 12) {
            return {};
        }
        return full ? locale_.longMonthNames[month - 1] : locale_.shortMonthNames[month - 1];
    }

    std::string_view LocalePicture(int length) const
    {
        switch (length) {
        case 1:
            return locale_.shortTimeFormat;
        case 2:
            return locale_.longTimeFormat;
        case 3:
            return locale_.shortDateFormat;
        default:
            return locale_.longDateFormat;
        }
    }

    // The offset from UTC as "+hhmm": bias -60 (UTC+1) shows "+0100".
    void RenderBias(LineWriter& out) const
    {
        long long offset = -static_cast<long long>(moment_.biasMinutes);
        out.Put(offset < 0 ? '-' : '+');
        if (offset < 0) {
            offset = -offset;
        }
        out.PutNumber(offset / 60, 2);
        out.PutNumber(offset % 60, 2);
    }

    static void RenderPercent(int reading, LineWriter& out)
    {
        if (reading < 0) {
            out.Put("--");
        } else {
            out.PutNumber(reading);
        }
    }

    const ClockMoment& moment_;
    const RenderContext& context_;
    const LocaleTexts& locale_;
};

} // namespace

std::vector<RenderedLine> RenderClockFormat(std::string_view format, const ClockMoment& moment,
                                            const RenderContext& context)
{
    std::vector<RenderedLine> lines;
    RenderClockFormat(format, moment, context, lines);
    return lines;
}

void RenderClockFormat(std::string_view format, const ClockMoment& moment, const RenderContext& context,
                       std::vector<RenderedLine>& lines)
{
    Renderer renderer(moment, context);
    std::size_t used = 0;
    std::size_t pos = 0;
    for (;;) {
        if (used == lines.size()) {
            lines.emplace_back();
        }
        RenderedLine& line = lines[used++];
        line.text.clear();
        line.align = LineAlign::Centre;
        if (pos < format.size() && (format[pos] == '<' || format[pos] == '>')) {
            line.align = format[pos++] == '<' ? LineAlign::Left : LineAlign::Right;
        }
        std::size_t end = FormatLineEnd(format, pos);
        LineWriter out(line.text);
        renderer.RenderSpan(format.substr(pos, end - pos), out, false);
        if (end >= format.size() || used == kMaxLines) {
            break;
        }
        pos = end + 1; // past the '|'
    }
    lines.resize(used);
}

std::string JoinLines(const std::vector<RenderedLine>& lines, std::string_view separator)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            text += separator;
        }
        text += lines[i].text;
    }
    return text;
}
