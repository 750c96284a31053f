// Popups beside a clock on a taskbar along each edge of a 1920 x 1080 screen.
#include "clockhook/model/TaskbarEdge.h"

#include <gtest/gtest.h>

namespace {

bool Overlap(const Box& a, const Box& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(TaskbarEdge, PopupsOpenOntoTheScreenAwayFromEveryEdge)
{
    const Box screen{0, 0, 1920, 1080};
    struct Case {
        Box taskbar;
        Box clock;
        TaskbarEdge edge;
    };
    const Case cases[] = {
        // The clocks sit a little inside their bars, as the shell's do.
        {{0, 1040, 1920, 1080}, {1830, 1042, 1908, 1078}, TaskbarEdge::Bottom},
        {{0, 0, 1920, 40}, {1830, 2, 1908, 38}, TaskbarEdge::Top},
        {{0, 0, 62, 1080}, {2, 1000, 60, 1040}, TaskbarEdge::Left},
        {{1858, 0, 1920, 1080}, {1860, 1000, 1918, 1040}, TaskbarEdge::Right},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EdgeOf(c.taskbar, screen), c.edge);
        // A calendar taller than the room above a clock near the bottom is pulled onto the screen.
        for (int height : {200, 1200}) {
            const int width = 300;
            Spot spot = PopupBeside(c.clock, c.taskbar, width, height, c.edge, screen, 4);
            Box popup{spot.x, spot.y, spot.x + width, spot.y + height};
            EXPECT_GE(popup.left, 0);
            EXPECT_GE(popup.top, 0);
            EXPECT_LE(popup.right, 1920);
            if (height < 1080) {
                EXPECT_LE(popup.bottom, 1080);
                EXPECT_FALSE(Overlap(popup, c.taskbar)) << static_cast<int>(c.edge);
            }
        }
    }
}

} // namespace
