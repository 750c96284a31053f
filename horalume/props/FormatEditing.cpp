#include "horalume/props/FormatEditing.h"

#include "clockformat/FormatLines.h"
#include "hookapi/ClockSettings.h"
#include "resources/horalume/formatmenu.h"

#include <algorithm>

namespace {

constexpr std::size_t kMaxFormatLength = kFormatFieldSize - 1;

// The closing mark first, so that the opening one does not shift the end; the
// caret ends up just after the opening mark. A box too full for both marks is
// left alone: one mark alone would turn the rest of the format into literal
// text or an element name.
std::vector<FormatEdit> WrapSelection(std::string_view text, int start, int end, char mark)
{
    if (text.size() + 2 > kMaxFormatLength) {
        return {};
    }
    const std::string markText(1, mark);
    return {{end, end, markText, false}, {start, start, markText, false}};
}

// The line holding position p starts where the clock starts it; an existing
// "<" or ">" there is replaced, otherwise the mark goes in at the line start.
std::vector<FormatEdit> SetLineMark(std::string_view text, int p, std::string_view mark)
{
    if (p < 0) {
        return {};
    }
    const int lineStart = static_cast<int>(FormatLineStart(text, static_cast<std::size_t>(p)));
    const bool hasMark =
        static_cast<std::size_t>(lineStart) < text.size() && (text[lineStart] == '<' || text[lineStart] == '>');
    return {{lineStart, lineStart + (hasMark ? 1 : 0), std::string(mark), true}};
}

} // namespace

std::vector<FormatEdit> FormatMenuEdits(int command, std::string_view text, int selStart, int selEnd,
                                        std::string_view itemText)
{
    if (selStart > selEnd) {
        std::swap(selStart, selEnd);
    }
    switch (command) {
    case 0:
        return {};
    case IDM_LITERALTEXT:
        return WrapSelection(text, selStart, selEnd, '\'');
    case IDM_USERELEMENT:
        return WrapSelection(text, selStart, selEnd, '%');
    case IDM_ALIGNLEFT:
    case IDM_ALIGNRIGHT:
        return SetLineMark(text, selEnd, itemText);
    case IDM_CENTRED:
        return SetLineMark(text, selEnd, {});
    default:
        if (itemText.empty()) {
            return {};
        }
        return {{selStart, selEnd, std::string(itemText), true}};
    }
}
