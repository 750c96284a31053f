#include "clockhook/model/TaskbarEdge.h"

TaskbarEdge EdgeOf(const Box& taskbar, const Box& screen)
{
    if (taskbar.right - taskbar.left >= taskbar.bottom - taskbar.top) {
        return taskbar.top - screen.top < screen.bottom - taskbar.bottom ? TaskbarEdge::Top : TaskbarEdge::Bottom;
    }
    return taskbar.left - screen.left < screen.right - taskbar.right ? TaskbarEdge::Left : TaskbarEdge::Right;
}

Spot KeepWithin(Spot spot, int width, int height, const Box& area)
{
    spot.x = spot.x + width > area.right ? area.right - width : spot.x;
    spot.y = spot.y + height > area.bottom ? area.bottom - height : spot.y;
    spot.x = spot.x < area.left ? area.left : spot.x;
    spot.y = spot.y < area.top ? area.top : spot.y;
    return spot;
}

Spot PopupBeside(const Box& clock, const Box& taskbar, int width, int height, TaskbarEdge edge, const Box& area,
                 int gap)
{
    Spot spot;
    switch (edge) {
    case TaskbarEdge::Bottom:
        spot = {clock.right - width, taskbar.top - gap - height};
        break;
    case TaskbarEdge::Top:
        spot = {clock.right - width, taskbar.bottom + gap};
        break;
    case TaskbarEdge::Left:
        spot = {taskbar.right + gap, clock.bottom - height};
        break;
    case TaskbarEdge::Right:
        spot = {taskbar.left - gap - width, clock.bottom - height};
        break;
    }
    return KeepWithin(spot, width, height, area);
}
