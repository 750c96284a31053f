#include "clockhook/model/OverlayPlacement.h"

#include <charconv>
#include <cstdlib>

static bool IsEmpty(const Box& box)
{
    return box.right <= box.left || box.bottom <= box.top;
}

static bool Overlaps(const Box& a, const Box& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

static bool Inside(const Box& inner, const Box& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// Cuts the clock back to the side of the neighbour it lies on, along the bar.
static void TrimOff(Box& clock, const Box& neighbour, bool vertical)
{
    int& nearEnd = vertical ? clock.top : clock.left;
    int& farEnd = vertical ? clock.bottom : clock.right;
    const int neighbourNear = vertical ? neighbour.top : neighbour.left;
    const int neighbourFar = vertical ? neighbour.bottom : neighbour.right;
    if (neighbourNear > nearEnd) {
        farEnd = neighbourNear < farEnd ? neighbourNear : farEnd;
    } else {
        nearEnd = neighbourFar > nearEnd ? neighbourFar : nearEnd;
    }
}

// "left,top,right,bottom", nothing else.
static bool ReadBox(const std::string& text, Box& box)
{
    int* parts[] = {&box.left, &box.top, &box.right, &box.bottom};
    const char* next = text.data();
    const char* end = text.data() + text.size();
    for (size_t i = 0; i < 4; ++i) {
        const std::from_chars_result read = std::from_chars(next, end, *parts[i]);
        if (read.ec != std::errc()) {
            return false;
        }
        next = read.ptr;
        if (i < 3) {
            if (next == end || *next != ',') {
                return false;
            }
            ++next;
        }
    }
    return next == end;
}

std::vector<LocatedElement> ReadElementList(const std::string& text)
{
    std::vector<LocatedElement> elements;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end;
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        const size_t first = line.find(';');
        const size_t second = first == std::string::npos ? first : line.find(';', first + 1);
        LocatedElement element;
        if (second != std::string::npos && ReadBox(line.substr(second + 1), element.rect)) {
            element.className = line.substr(0, first);
            element.automationId = line.substr(first + 1, second - first - 1);
            elements.push_back(element);
        }
    }
    return elements;
}

std::optional<Box> ClockContentOf(const std::vector<LocatedElement>& elements, bool vertical)
{
    const LocatedElement* clock = nullptr;
    for (const LocatedElement& element : elements) {
        if (element.className == kClockContentClass && !IsEmpty(element.rect)) {
            clock = &element;
            break;
        }
    }
    if (clock == nullptr) {
        return std::nullopt;
    }
    Box room = clock->rect;
    for (const LocatedElement& element : elements) {
        if (&element != clock && !IsEmpty(element.rect) && Overlaps(element.rect, room) &&
            !Inside(element.rect, clock->rect)) {
            TrimOff(room, element.rect, vertical);
        }
    }
    if (IsEmpty(room)) {
        return std::nullopt;
    }
    return room;
}

OverlayRoom ChooseOverlayRoom(const std::optional<Box>& located, const Box& notifyArea, const Box& guess)
{
    if (located) {
        return {*located, OverlayRule::Located};
    }
    if (!IsEmpty(notifyArea)) {
        return {notifyArea, OverlayRule::NotifyArea};
    }
    return {guess, OverlayRule::Guess};
}

int FittedFontHeight(int height, int textWidth, int roomWidth, int floorHeight)
{
    if (textWidth <= roomWidth || textWidth <= 0) {
        return height;
    }
    const long long size = std::llabs(height);
    long long fitted = size * (roomWidth > 0 ? roomWidth : 0) / textWidth;
    fitted = fitted < floorHeight ? floorHeight : fitted;
    fitted = fitted > size ? size : fitted;
    return static_cast<int>(height < 0 ? -fitted : fitted);
}
