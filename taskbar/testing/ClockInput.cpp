// The test kit's hands on the clock: mouse clicks, the clipboard, the open menu.
#include "taskbar/testing/TaskbarTestKit.h"

#include "taskbar/StandInTaskbar.h"
#include "win32/Clipboard.h"

#include <cstring>

namespace testkit {

static LPARAM ClockMiddle(HWND clock)
{
    RECT client;
    GetClientRect(clock, &client);
    return MAKELPARAM(client.right / 2, client.bottom / 2);
}

void ClickClock()
{
    HWND clock = FindClockWindow();
    PostMessageA(clock, WM_LBUTTONDOWN, MK_LBUTTON, ClockMiddle(clock));
    PostMessageA(clock, WM_LBUTTONUP, 0, ClockMiddle(clock));
}

void DoubleClickClock()
{
    HWND clock = FindClockWindow();
    ClickClock();
    PostMessageA(clock, WM_LBUTTONDBLCLK, MK_LBUTTON, ClockMiddle(clock));
    PostMessageA(clock, WM_LBUTTONUP, 0, ClockMiddle(clock));
}

void RightClickClock()
{
    HWND clock = FindClockWindow();
    PostMessageA(clock, WM_RBUTTONDOWN, MK_RBUTTON, ClockMiddle(clock));
    PostMessageA(clock, WM_RBUTTONUP, 0, ClockMiddle(clock));
}

std::optional<std::string> ClipboardText()
{
    if (!OpenClipboard(nullptr)) {
        return std::nullopt;
    }
    std::optional<std::string> text;
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* bytes = data != nullptr ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    if (bytes != nullptr) {
        text = std::string(bytes, strnlen(bytes, GlobalSize(data)));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

bool SetClipboardText(const std::string& text)
{
    return CopyTextToClipboard(nullptr, text);
}

bool WaitForClipboardText(const std::string& expected, DWORD timeoutMs, std::string* last)
{
    return WaitUntil(
        [&] {
            std::optional<std::string> text = ClipboardText();
            if (last != nullptr) {
                *last = text.value_or("(none)");
            }
            return text == expected;
        },
        timeoutMs);
}

static HWND OpenMenuWindow()
{
    HWND menu = nullptr;
    while ((menu = FindWindowExA(nullptr, menu, "#32768", nullptr)) != nullptr) {
        if (IsWindowVisible(menu)) {
            return menu;
        }
    }
    return nullptr;
}

std::optional<std::vector<std::string>> OpenMenuItems(DWORD timeoutMs)
{
    HWND clock = FindClockWindow();
    HWND tray = clock != nullptr ? GetAncestor(clock, GA_ROOT) : nullptr;
    UINT message = RegisterWindowMessageA(kOpenMenuItemsMessage);
    DWORD_PTR atom = 0;
    if (tray == nullptr || !WaitUntil(
                               [&] {
                                   return OpenMenuWindow() != nullptr &&
                                          SendMessageTimeoutA(tray, message, 0, 0, SMTO_NORMAL, 2000, &atom) &&
                                          atom != 0;
                               },
                               timeoutMs)) {
        return std::nullopt;
    }
    char list[256] = "";
    GlobalGetAtomNameA(static_cast<ATOM>(atom), list, sizeof list);
    GlobalDeleteAtom(static_cast<ATOM>(atom));
    std::vector<std::string> items;
    std::string all = list;
    for (std::string::size_type start = 0;;) {
        std::string::size_type end = all.find('\n', start);
        items.push_back(all.substr(start, end - start));
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    return items;
}

bool PressMenuKeys(const std::vector<WORD>& keys)
{
    HWND menu = OpenMenuWindow();
    if (menu == nullptr) {
        return false;
    }
    for (WORD key : keys) {
        PostMessageA(menu, WM_KEYDOWN, key, 0);
    }
    return true;
}

bool WaitForMenuClosed(DWORD timeoutMs)
{
    return WaitUntil([] { return OpenMenuWindow() == nullptr; }, timeoutMs);
}

bool ChooseClockMenuItem(const std::string& text)
{
    RightClickClock();
    const std::optional<std::vector<std::string>> items = OpenMenuItems();
    if (!items) {
        return false;
    }
    // Up from the bottom: the keyboard passes over separators.
    std::vector<WORD> keys;
    for (auto item = items->rbegin(); item != items->rend(); ++item) {
        if (*item != "-") {
            keys.push_back(VK_UP);
        }
        if (*item == text) {
            keys.push_back(VK_RETURN);
            return PressMenuKeys(keys) && WaitForMenuClosed();
        }
    }
    PressMenuKeys({VK_ESCAPE, VK_ESCAPE});
    WaitForMenuClosed();
    return false;
}

} // namespace testkit
