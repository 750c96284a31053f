// Where a Windows 11 overlay clock stands and how large its text may be,
// from what the clock locator found in the taskbar's XAML content. Window
// free: rectangles in one coordinate space (the taskbar's client area).
#pragma once

#include "clockhook/model/TaskbarEdge.h"

#include <optional>
#include <string>
#include <vector>

// An element of the taskbar's content, as UI Automation names it.
struct LocatedElement {
    std::string className;
    std::string automationId;
    Box rect;
};

// Elements as one text, a line each: "ClassName;AutomationId;left,top,right,bottom".
// Lines that do not read so are skipped.
std::vector<LocatedElement> ReadElementList(const std::string& text);

// The clock's content element's class; its text blocks lie inside it.
constexpr char kClockContentClass[] = "SystemTray.DateTimeIconContent";

// The clock's content rectangle, trimmed off any other element that
// overlaps it without lying inside it (a neighbour: the bell or badge, the
// moon, Copilot, the show-desktop strip, the tray icons). Nothing when no
// clock content was found or nothing of it is left.
std::optional<Box> ClockContentOf(const std::vector<LocatedElement>& elements, bool vertical);

// Which rule placed an overlay: the located clock, the notification area's
// bounds, or the bridge-based guess.
enum class OverlayRule { Located, NotifyArea, Guess };

struct OverlayRoom {
    Box room;
    OverlayRule rule = OverlayRule::Guess;
};

// The located clock when there is one, else the notification area when it
// is not empty, else the guess.
OverlayRoom ChooseOverlayRoom(const std::optional<Box>& located, const Box& notifyArea, const Box& guess);

// The font height (in pixels, as the font's own sign kept) that fits text of
// textWidth drawn at height into roomWidth: height when it fits, otherwise
// smaller in proportion, never below floorHeight (text wider then is cut).
int FittedFontHeight(int height, int textWidth, int roomWidth, int floorHeight);
