// The text edits of the format-element picker, worked out on a copy of the
// edit box's text and selection; the page carries them out on the box itself
// (select, then replace the selection), so the box keeps its undo.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Select [start, end) and replace the selection with text; the caret then
// stands after the text.
struct FormatEdit {
    int start;
    int end;
    std::string text;
    bool canUndo;
};

// The edits for the picker command chosen while the box holds text with the
// selection [selStart, selEnd). itemText is the string resource of the
// command, empty when it has none. No edits: nothing to do.
//  - Literal Text and User-Defined Element put "'" or "%" after and then
//    before the selection, without undo;
//  - Aligned Left, Aligned Right and Centred replace the mark of the line that
//    holds selEnd with itemText ("<", ">" or nothing), or put it at the line's
//    start;
//  - any other command replaces the selection with itemText.
std::vector<FormatEdit> FormatMenuEdits(int command, std::string_view text, int selStart, int selEnd,
                                        std::string_view itemText);
