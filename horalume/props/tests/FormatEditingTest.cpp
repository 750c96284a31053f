#include "horalume/props/FormatEditing.h"

#include <gtest/gtest.h>

#include <string>

#include "clockformat/ClockFormat.h"
#include "horalume/props/tests/EditBoxModel.h"
#include "resources/horalume/formatmenu.h"

namespace {

// The box after choosing command, with the string the command's resource holds.
EditBoxModel Choose(EditBoxModel box, int command, const std::string& itemText = {})
{
    box.Apply(FormatMenuEdits(command, box.text, box.selStart, box.selEnd, itemText));
    return box;
}

std::string AlignItemText(int command)
{
    return command == IDM_ALIGNLEFT ? "<" : command == IDM_ALIGNRIGHT ? ">" : "";
}

EditBoxModel Align(EditBoxModel box, int command)
{
    return Choose(box, command, AlignItemText(command));
}

TEST(FormatEditing, LiteralTextWithoutSelectionLeavesCaretBetweenQuotes)
{
    EditBoxModel box = Choose({"HH:mm", 5, 5}, IDM_LITERALTEXT);
    EXPECT_EQ(box.text, "HH:mm''");
    EXPECT_EQ(box.selStart, 6);
    EXPECT_EQ(box.selEnd, 6);

    box.Apply(FormatEdit{box.selStart, box.selEnd, "x", true});
    EXPECT_EQ(box.text, "HH:mm'x'");
}

TEST(FormatEditing, UserElementWrapsSelectionWithCaretBeforeIt)
{
    const EditBoxModel box = Choose({"HH:mm ss", 6, 8}, IDM_USERELEMENT);
    EXPECT_EQ(box.text, "HH:mm %ss%");
    EXPECT_EQ(box.selEnd, 7);
}

TEST(FormatEditing, WrappingCannotBeUndoneAndIgnoresTheItemString)
{
    for (int command : {IDM_LITERALTEXT, IDM_USERELEMENT}) {
        const auto edits = FormatMenuEdits(command, "ab", 0, 2, "''");
        ASSERT_EQ(edits.size(), 2u);
        for (const FormatEdit& edit : edits) {
            EXPECT_FALSE(edit.canUndo);
            EXPECT_EQ(edit.text.size(), 1u);
        }
    }
}

TEST(FormatEditing, ReversedSelectionWrapsTheSameText)
{
    EXPECT_EQ(Choose({"HH:mm ss", 8, 6}, IDM_LITERALTEXT).text, "HH:mm 'ss'");
}

TEST(FormatEditing, WrappingNeedsRoomForBothMarks)
{
    const std::string nearlyFull(118, 'H');
    EXPECT_TRUE(FormatMenuEdits(IDM_LITERALTEXT, nearlyFull, 3, 3, {}).empty());
    EXPECT_EQ(Choose({std::string(117, 'H'), 3, 5}, IDM_USERELEMENT).text.size(), 119u);
}

TEST(FormatEditing, LineMarksFollowTheLineOfTheCaret)
{
    EditBoxModel box{"ddd|HH:mm", 6, 6};
    box = Align(box, IDM_ALIGNRIGHT);
    EXPECT_EQ(box.text, "ddd|>HH:mm");
    box = Align(box, IDM_ALIGNLEFT);
    EXPECT_EQ(box.text, "ddd|<HH:mm");
    box = Align(box, IDM_CENTRED);
    EXPECT_EQ(box.text, "ddd|HH:mm");
    box = Align(box, IDM_CENTRED);
    EXPECT_EQ(box.text, "ddd|HH:mm");

    EXPECT_EQ(Align({"ddd|HH:mm", 2, 2}, IDM_ALIGNLEFT).text, "<ddd|HH:mm");
}

TEST(FormatEditing, LineMarkEditsCanBeUndone)
{
    for (int command : {IDM_ALIGNLEFT, IDM_ALIGNRIGHT, IDM_CENTRED}) {
        const auto edits = FormatMenuEdits(command, "ddd", 1, 1, AlignItemText(command));
        ASSERT_EQ(edits.size(), 1u);
        EXPECT_TRUE(edits[0].canUndo);
    }
}

TEST(FormatEditing, LineMarkEdgeCases)
{
    // A selection over two lines takes the line of its end.
    EXPECT_EQ(Align({"ddd|HH:mm", 1, 6}, IDM_ALIGNRIGHT).text, "ddd|>HH:mm");
    // A caret just after "|" is on the new line, one just before it on the old.
    EXPECT_EQ(Align({"ddd|HH", 4, 4}, IDM_ALIGNLEFT).text, "ddd|<HH");
    EXPECT_EQ(Align({"ddd|HH", 3, 3}, IDM_ALIGNLEFT).text, "<ddd|HH");
    // An empty last line gets its mark at the very end.
    EXPECT_EQ(Align({"ddd|", 4, 4}, IDM_ALIGNRIGHT).text, "ddd|>");
    EXPECT_EQ(Align({"", 0, 0}, IDM_ALIGNRIGHT).text, ">");
    // A "|" inside quotes is text, as the clock shows it: the mark goes where
    // the clock's line starts, and the clock then aligns that one line.
    const std::string marked = Align({"HH'a|b' %X|Y%|mm", 6, 6}, IDM_ALIGNRIGHT).text;
    EXPECT_EQ(marked, ">HH'a|b' %X|Y%|mm");
    EXPECT_EQ(Align({"HH'a|b' %X|Y%|mm", 12, 12}, IDM_ALIGNLEFT).text, "HH'a|b' %X|<Y%|mm");
    const auto lines = RenderClockFormat(marked, ClockMoment(), RenderContext());
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].text, "00a|b %X");
    EXPECT_EQ(lines[0].align, LineAlign::Right);
    // Only the character right at the line start counts as a mark.
    EXPECT_EQ(Align({"d>d", 3, 3}, IDM_ALIGNLEFT).text, "<d>d");
    // A negative position changes nothing; one past the text is kept inside it.
    EXPECT_TRUE(FormatMenuEdits(IDM_ALIGNLEFT, "ddd", -1, -1, "<").empty());
    EXPECT_EQ(Align({"d|dd", 40, 40}, IDM_ALIGNRIGHT).text, "d|>dd");
}

TEST(FormatEditing, ReplacingAMarkWorksInAFullBox)
{
    const std::string full = ">" + std::string(118, 'H');
    EXPECT_EQ(Align({full, 5, 5}, IDM_ALIGNLEFT).text, "<" + std::string(118, 'H'));
    EXPECT_EQ(Align({std::string(119, 'H'), 5, 5}, IDM_ALIGNLEFT).text, std::string(119, 'H'));
}

TEST(FormatEditing, ItemsInsertTheirStringAtTheCaretOrOverTheSelection)
{
    const EditBoxModel inMiddle = Choose({"HH:mm|MMMM", 6, 6}, IDM_SAMPLEDATE1, "ddd, d MMM yyyy");
    EXPECT_EQ(inMiddle.text, "HH:mm|ddd, d MMM yyyyMMMM");
    EXPECT_EQ(inMiddle.selEnd, 21);

    EXPECT_EQ(Choose({"HH:mm:ss", 3, 5}, IDM_MINUTE, "m").text, "HH:m:ss");

    const auto edits = FormatMenuEdits(IDM_SECOND2, "HH", 2, 2, "ss");
    ASSERT_EQ(edits.size(), 1u);
    EXPECT_TRUE(edits[0].canUndo);
}

TEST(FormatEditing, NothingHappensWithoutAStringOrAChoice)
{
    EXPECT_TRUE(FormatMenuEdits(IDM_SECOND2, "HH", 0, 2, "").empty());
    EXPECT_TRUE(FormatMenuEdits(0, "HH", 0, 2, "ss").empty());
}

TEST(FormatEditing, AFullBoxDropsWhatDoesNotFit)
{
    const std::string full(119, 'H');
    EXPECT_EQ(Choose({full, 119, 119}, IDM_SAMPLEDATE1, "ddd, d MMM yyyy").text, full);
    EXPECT_EQ(Choose({std::string(117, 'H'), 0, 0}, IDM_YEAR4, "yyyy").text, "yy" + std::string(117, 'H'));
    // Over a selection the selected text makes room.
    EXPECT_EQ(Choose({full, 0, 2}, IDM_MINUTE2, "mm").text, "mm" + full.substr(2));
}

} // namespace
