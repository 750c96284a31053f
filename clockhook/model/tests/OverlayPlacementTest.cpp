// An overlay's room and text size from the elements a taskbar's content
// shows, as the locator finds them on each build.
#include "clockhook/model/OverlayPlacement.h"

#include <gtest/gtest.h>

namespace {

bool operator==(const Box& a, const Box& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

const Box kBar{0, 0, 1280, 48};

TEST(OverlayPlacement, TheRoomIsTheClockContentNeverANeighbour)
{
    const Box clock{1100, 0, 1180, 48};
    std::vector<LocatedElement> elements = {
        {"SystemTray.Stack", "ShowDesktopStack", {1268, 0, 1280, 48}},
        {"SystemTray.OmniButton", "NotificationCenterButton", {1224, 0, 1268, 48}},
        {"TextBlock", "TimeInnerTextBlock", {1110, 4, 1170, 24}},
        {kClockContentClass, "", clock},
        {"SystemTray.CopilotIcon", "", {1180, 0, 1224, 48}},
    };
    std::optional<Box> room = ClockContentOf(elements, false);
    ASSERT_TRUE(room);
    EXPECT_TRUE(*room == clock) << "its own text blocks trim nothing";

    // A badge drawn over the clock's far end, and tray icons over its near end.
    elements.push_back({"SystemTray.OmniButton", "NotificationCenterButton", {1170, 0, 1214, 48}});
    elements.push_back({"SystemTray.NormalButton", "", {1060, 0, 1104, 48}});
    room = ClockContentOf(elements, false);
    ASSERT_TRUE(room);
    EXPECT_TRUE(*room == (Box{1104, 0, 1170, 48}));

    // On a vertical bar the neighbours lie above and below.
    const std::vector<LocatedElement> column = {
        {kClockContentClass, "", {0, 700, 62, 760}},
        {"SystemTray.OmniButton", "NotificationCenterButton", {0, 750, 62, 790}},
    };
    room = ClockContentOf(column, true);
    ASSERT_TRUE(room);
    EXPECT_TRUE(*room == (Box{0, 700, 62, 750}));

    EXPECT_FALSE(ClockContentOf({{"SystemTray.Stack", "ShowDesktopStack", {1268, 0, 1280, 48}}}, false));
    EXPECT_FALSE(ClockContentOf({{kClockContentClass, "", {}}}, false)) << "an empty answer is no answer";
}

TEST(OverlayPlacement, WithoutAnAnswerTheNotificationAreaThenTheGuessServes)
{
    const Box located{1100, 0, 1180, 48};
    const Box notify{1000, 2, 1278, 46};
    const Box guess{0, 0, 1268, 48};
    OverlayRoom room = ChooseOverlayRoom(located, notify, guess);
    EXPECT_EQ(room.rule, OverlayRule::Located);
    EXPECT_TRUE(room.room == located);
    room = ChooseOverlayRoom(std::nullopt, notify, guess);
    EXPECT_EQ(room.rule, OverlayRule::NotifyArea);
    EXPECT_TRUE(room.room == notify);
    // From 22621.1344 on "TrayNotifyWnd" still exists, but empty.
    room = ChooseOverlayRoom(std::nullopt, Box{1280, 0, 1280, 48}, guess);
    EXPECT_EQ(room.rule, OverlayRule::Guess);
    EXPECT_TRUE(room.room == guess);
}

TEST(OverlayPlacement, WideTextIsDrawnSmallerDownToTheFloor)
{
    EXPECT_EQ(FittedFontHeight(-16, 70, 80, 9), -16) << "text that fits keeps its size";
    EXPECT_EQ(FittedFontHeight(-16, 160, 80, 9), -9) << "half the room would be 8: the floor";
    EXPECT_EQ(FittedFontHeight(-16, 100, 80, 9), -12);
    EXPECT_EQ(FittedFontHeight(20, 100, 80, 9), 16) << "a cell height keeps its sign";
    EXPECT_EQ(FittedFontHeight(-16, 100, 0, 9), -9) << "no room: the floor, and the text cut";
    EXPECT_EQ(FittedFontHeight(-8, 100, 80, 9), -8) << "never larger than asked";
}

} // namespace

// What a look hands over is the shell's text: a line that does not read
// whole is dropped, never half taken.
TEST(OverlayPlacement, AnElementListKeepsOnlyWholeLines)
{
    const std::vector<LocatedElement> read = ReadElementList("SystemTray.DateTimeIconContent;;1100,0,1180,48\n"
                                                             "SystemTray.OmniButton;NotificationCenterButton;1180,0\n"
                                                             "SystemTray.Stack;ShowDesktopStack;1270,0,1280,48x\n"
                                                             "no separators\n"
                                                             "SystemTray.Stack;A;1,2,3,99999999999\n"
                                                             "SystemTray.CopilotIcon;;-5,0,20,48");
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].className, "SystemTray.DateTimeIconContent");
    EXPECT_TRUE(read[0].rect == (Box{1100, 0, 1180, 48}));
    EXPECT_EQ(read[1].className, "SystemTray.CopilotIcon");
    EXPECT_TRUE(read[1].rect == (Box{-5, 0, 20, 48}));
}
