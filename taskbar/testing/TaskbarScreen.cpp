// The stand-in's taskbars as seen on the screen, and the DPI they are drawn at.
#include "taskbar/testing/TaskbarTestKit.h"

#include "win32/TaskbarClock.h"

namespace testkit {

bool SessionDpi::Set(int dpi)
{
    HKEY opened = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kDpiKey, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &opened,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    UniqueRegKey key(opened);
    if (!replaced_) {
        DWORD size = sizeof old_;
        DWORD type = 0;
        hadValue_ = RegQueryValueExA(opened, kDpiValue, nullptr, &type, reinterpret_cast<BYTE*>(&old_), &size) ==
                        ERROR_SUCCESS &&
                    type == REG_DWORD;
        replaced_ = true;
    }
    const DWORD value = static_cast<DWORD>(dpi);
    return RegSetValueExA(opened, kDpiValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value) ==
           ERROR_SUCCESS;
}

void SessionDpi::Restore()
{
    HKEY opened = nullptr;
    if (!replaced_ || RegOpenKeyExA(HKEY_CURRENT_USER, kDpiKey, 0, KEY_SET_VALUE, &opened) != ERROR_SUCCESS) {
        return;
    }
    UniqueRegKey key(opened);
    if (hadValue_) {
        RegSetValueExA(opened, kDpiValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&old_), sizeof old_);
    } else {
        RegDeleteValueA(opened, kDpiValue);
    }
    replaced_ = false;
}

bool ScreenHasColour(const RECT& area, COLORREF colour)
{
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return false;
    }
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height; // top-down
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap shot(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    UniqueMemoryDC memory(CreateCompatibleDC(nullptr));
    WindowDC screen(nullptr);
    if (!shot || !memory || !screen) {
        return false;
    }
    {
        DCSelection selected(memory.Get(), shot.Get());
        BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), area.left, area.top, SRCCOPY);
    }
    GdiFlush();
    // A 32-bit DIB pixel is blue, green, red from the lowest byte up.
    const DWORD wanted = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    const DWORD* pixels = static_cast<const DWORD*>(bits);
    for (int i = 0; i < width * height; ++i) {
        if ((pixels[i] & 0x00FFFFFF) == wanted) {
            return true;
        }
    }
    return false;
}

bool SystemClockShowsThrough(HWND taskbar)
{
    HWND bridge = ClockBridgeOfTaskbar(taskbar);
    RECT area;
    return bridge != nullptr && GetWindowRect(bridge, &area) && ScreenHasColour(area, kFakeSystemClockColour);
}

RECT ScreenRectOfSurface(HWND taskbar)
{
    RECT rect = {};
    HWND surface = ClockSurfaceOfTaskbar(taskbar);
    if (surface == nullptr || !GetWindowRect(surface, &rect)) {
        return RECT{};
    }
    return rect;
}

std::optional<RECT> CalendarRect()
{
    HWND calendar = FindWindowA("HoralumeCalendar", nullptr);
    RECT rect;
    if (calendar == nullptr || !IsWindowVisible(calendar) || !GetWindowRect(calendar, &rect)) {
        return std::nullopt;
    }
    return rect;
}

} // namespace testkit
