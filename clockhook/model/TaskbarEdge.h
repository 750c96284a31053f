// Which edge of its screen a taskbar lies along, and where a popup (the
// calendar, the tooltip) opens beside a clock on it: away from the edge,
// onto the screen.
#pragma once

struct Box {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

enum class TaskbarEdge { Bottom, Top, Left, Right };

// A bar wider than tall lies along the top or the bottom, whichever is
// nearer; a taller one along the left or the right.
TaskbarEdge EdgeOf(const Box& taskbar, const Box& screen);

inline bool IsVertical(TaskbarEdge edge)
{
    return edge == TaskbarEdge::Left || edge == TaskbarEdge::Right;
}

struct Spot {
    int x = 0;
    int y = 0;
};

// The top-left corner of a popup of the given size beside the clock, gap
// pixels off the taskbar on the screen's side, its far edge in line with
// the clock's; kept within the area.
Spot PopupBeside(const Box& clock, const Box& taskbar, int width, int height, TaskbarEdge edge, const Box& area,
                 int gap);

// Pulls the corner of a popup of the given size into the area (its top-left
// corner wins where the popup is larger).
Spot KeepWithin(Spot spot, int width, int height, const Box& area);
