#include "ClockFormat.h"

std::vector<RenderedLine> RenderClockFormat(std::string_view format, const ClockMoment& moment,
                                            const RenderContext& context)
{
    std::vector<RenderedLine> lines;
    RenderClockFormat(format, moment, context, lines);
    return lines;
}

void RenderClockFormat(std::string_view format, const ClockMoment&, const RenderContext&,
                       std::vector<RenderedLine>& lines)
{
    lines.assign(1, RenderedLine{std::string(format), LineAlign::Centre});
}

std::string JoinLines(const std::vector<RenderedLine>& lines, std::string_view separator)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += separator;
        text += lines[i].text;
    }
    return text;
}

int WeekOfYear(int, int, int)
{
    return 1;
}

std::string_view OrdinalSuffix(int)
{
    return "th";
}
