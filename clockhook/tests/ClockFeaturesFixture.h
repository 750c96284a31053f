// The fixture of the clock's feature tests: the stand-in taskbar with the
// component installed, settings that leave the clicks to the test, and the
// calendar window found and closed as a user would.
#pragma once

#include "clockhook/CalendarWindow.h"
#include "hookapi/ClockDefaults.h"
#include "taskbar/testing/TaskbarTestKit.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

inline const std::string kDll = HORALUME_DLL_PATH;
inline constexpr char kCalendarKey[] = "Software\\Horalume\\Calendar";

inline void SetText(char (&field)[kFormatFieldSize], const char* text)
{
    std::memset(field, 0, sizeof field);
    std::strncpy(field, text, sizeof field - 1);
}

inline ClockSettings Settings(std::uint32_t click, std::uint32_t doubleClick)
{
    ClockSettings settings = DefaultClockSettings();
    settings.clickCommand = click;
    settings.dblClickCommand = doubleClick;
    settings.displayFlags &= ~(DisplayFlag::CopySameAsClock | DisplayFlag::CopySameAsTooltip);
    SetText(settings.copyFormatString, "'copied'");
    return settings;
}

inline std::optional<DWORD> ReadLastDate()
{
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, kCalendarKey, "LastDate", RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return value;
}

// Keeps the user's "LastDate" as it was: the calendar writes it.
class LastDateGuard {
public:
    LastDateGuard() : saved_(ReadLastDate()) {}
    ~LastDateGuard()
    {
        HKEY key;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, kCalendarKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
            ERROR_SUCCESS) {
            return;
        }
        if (saved_) {
            RegSetValueExA(key, "LastDate", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*saved_), sizeof *saved_);
        } else {
            RegDeleteValueA(key, "LastDate");
        }
        RegCloseKey(key);
    }
    LastDateGuard(const LastDateGuard&) = delete;
    LastDateGuard& operator=(const LastDateGuard&) = delete;

private:
    std::optional<DWORD> saved_;
};

class ClockFeatures : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(taskbar_.Start());
        ASSERT_TRUE(testkit::InstallClockComponent(kDll));
        ASSERT_TRUE(testkit::SetClipboardText("before"));
    }
    void TearDown() override
    {
        testkit::RemoveClockComponent(kDll);
        taskbar_.Stop();
    }

    HWND Calendar(DWORD timeoutMs = 10000)
    {
        return testkit::WaitForProcessWindow(kCalendarWindowClass, taskbar_.ProcessId(), timeoutMs);
    }
    bool CalendarGone()
    {
        return testkit::WaitUntil(
            [this] { return testkit::FindProcessWindow(kCalendarWindowClass, taskbar_.ProcessId()) == nullptr; },
            10000);
    }
    bool Close(HWND calendar)
    {
        PostMessageA(calendar, WM_CLOSE, 0, 0);
        return CalendarGone();
    }
    // A click opens the calendar and it is closed again, as by a user who
    // glances at it.
    ::testing::AssertionResult GlanceAtCalendar()
    {
        testkit::ClickClock();
        HWND calendar = Calendar();
        if (calendar == nullptr) {
            return ::testing::AssertionFailure() << "no calendar";
        }
        if (!Close(calendar)) {
            return ::testing::AssertionFailure() << "the calendar stayed";
        }
        return ::testing::AssertionSuccess();
    }

    testkit::StandInTaskbar taskbar_;
    LastDateGuard lastDate_;
};
