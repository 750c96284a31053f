#include "decimora/ConverterDialog.h"

#include "decimal/DecimalTime.h"
#include "decimal/testing/UseTimeZone.h"
#include "resources/decimora/DecimoraResources.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <functional>
#include <string>

namespace {

std::string WindowText(HWND window)
{
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

SYSTEMTIME LocalTime(int year, int month, int day, int hour, int minute, int second)
{
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(year);
    time.wMonth = static_cast<WORD>(month);
    time.wDay = static_cast<WORD>(day);
    time.wHour = static_cast<WORD>(hour);
    time.wMinute = static_cast<WORD>(minute);
    time.wSecond = static_cast<WORD>(second);
    return time;
}

class ConverterDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        UseTimeZone("UTC");
        LoadConverterControlClasses();
    }

    void SetUp() override
    {
        openedFrom = CurrentMoment();
        window = dialog.CreateModeless(nullptr);
        openedUntil = CurrentMoment();
        ASSERT_NE(window, nullptr);
    }

    void TearDown() override { DestroyWindow(window); }

    HWND Control(int id) const { return GetDlgItem(window, id); }
    std::string Text(int id) const { return WindowText(Control(id)); }
    bool Checked(int id) const { return IsDlgButtonChecked(window, id) == BST_CHECKED; }
    void Click(int id) { SendMessageA(Control(id), BM_CLICK, 0, 0); }
    void Type(const char* text) { SetWindowTextA(Control(IDC_INPUT), text); }
    void PressKeyInInput(WPARAM key) { SendMessageA(Control(IDC_INPUT), WM_KEYDOWN, key, 0); }

    // Sets a picker as the user would and tells the window, as the picker does.
    void Pick(int id, const SYSTEMTIME& value)
    {
        SendMessageA(Control(id), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value));
        NMDATETIMECHANGE change{};
        change.nmhdr.hwndFrom = Control(id);
        change.nmhdr.idFrom = static_cast<UINT_PTR>(id);
        change.nmhdr.code = DTN_DATETIMECHANGE;
        change.dwFlags = GDT_VALID;
        SendMessageA(Control(id), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&change.st));
        SendMessageA(window, WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&change));
    }

    std::string Reading(const SYSTEMTIME& date, const SYSTEMTIME& time)
    {
        Pick(IDC_DATE_PICKER, date);
        Pick(IDC_TIME_PICKER, time);
        return Text(IDC_MOMENT_RESULT);
    }

    ConverterDialog dialog{GetModuleHandleA(nullptr)};
    HWND window = nullptr;
    Moment openedFrom = 0, openedUntil = 0;
};

TEST_F(ConverterDialogTest, StartsWithOneDecimalSecondAndTheCurrentMoment)
{
    EXPECT_EQ(WindowText(window), "Decimora");
    EXPECT_TRUE(Checked(IDC_SECONDS));
    EXPECT_TRUE(Checked(IDC_METRIC_TO_STANDARD));
    EXPECT_FALSE(Checked(IDC_STANDARD_TO_METRIC));
    EXPECT_EQ(Text(IDC_INPUT), "1.0");
    EXPECT_EQ(Text(IDC_RESULT), "0.866152");
    EXPECT_EQ(GetFocus(), Control(IDC_INPUT));

    // The reading of the moment the window opened, taken at one second.
    const std::string reading = Text(IDC_MOMENT_RESULT);
    bool matched = false;
    for (Moment moment = openedFrom; moment <= openedUntil; ++moment) {
        matched = matched || reading == DecimalDateText(moment) + "\n" + DecimalClockText(moment);
    }
    EXPECT_TRUE(matched) << reading;
}

TEST_F(ConverterDialogTest, ConvertsEveryUnitBothWays)
{
    const struct {
        int unit;
        const char* metricToStandard;
        const char* standardToMetric;
    } units[] = {
        {IDC_SECONDS, "0.866152", "1.154532"}, {IDC_MINUTES, "1.435860", "0.696447"},
        {IDC_HOURS, "2.393100", "0.417868"},   {IDC_DAYS, "0.997125", "1.002883"},
        {IDC_WEEKS, "1.424464", "0.702018"},   {IDC_YEARS, "0.273935", "3.650495"},
    };
    for (const auto& unit : units) {
        Click(unit.unit);
        Click(IDC_METRIC_TO_STANDARD);
        EXPECT_EQ(Text(IDC_RESULT), unit.metricToStandard) << unit.unit;
        Click(IDC_STANDARD_TO_METRIC);
        EXPECT_EQ(Text(IDC_RESULT), unit.standardToMetric) << unit.unit;
        EXPECT_TRUE(Checked(unit.unit));
        EXPECT_FALSE(Checked(IDC_METRIC_TO_STANDARD));
    }
    // Exactly one unit stays checked.
    EXPECT_FALSE(Checked(IDC_SECONDS));
}

TEST_F(ConverterDialogTest, FollowsEveryKeystroke)
{
    Click(IDC_MINUTES);
    Type("60");
    EXPECT_EQ(Text(IDC_RESULT), "86.151600");
    Click(IDC_HOURS);
    EXPECT_EQ(Text(IDC_RESULT), "143.586000");
    Click(IDC_DAYS);
    Click(IDC_STANDARD_TO_METRIC);
    Type("100");
    EXPECT_EQ(Text(IDC_RESULT), "100.288329");

    Click(IDC_SECONDS);
    Click(IDC_METRIC_TO_STANDARD);
    Type("2.5e3");
    EXPECT_EQ(Text(IDC_RESULT), "2165.379000");
    Type("12 decimal seconds");
    EXPECT_EQ(Text(IDC_RESULT), "10.393819");
    Type("1,5");
    EXPECT_EQ(Text(IDC_RESULT), "0.866152");
    Type("");
    EXPECT_EQ(Text(IDC_RESULT), "0.000000");
    Type("abc");
    EXPECT_EQ(Text(IDC_RESULT), "0.000000");
}

TEST_F(ConverterDialogTest, ReplacesNegativeInputWithOne)
{
    Click(IDC_YEARS);
    Click(IDC_STANDARD_TO_METRIC);
    Type("-3");
    EXPECT_EQ(Text(IDC_INPUT), "1.0");
    EXPECT_EQ(Text(IDC_RESULT), "3.650495");
    Type("-1e999");
    EXPECT_EQ(Text(IDC_INPUT), "1.0");
    EXPECT_EQ(Text(IDC_RESULT), "3.650495");
}

TEST_F(ConverterDialogTest, KeepsHugeResultsWithinTheField)
{
    Type("1e300");
    EXPECT_EQ(Text(IDC_RESULT), "8.661516e+299");
    Click(IDC_STANDARD_TO_METRIC);
    EXPECT_EQ(Text(IDC_RESULT), "1.154532e+300");
    Type("1e400");
    EXPECT_EQ(Text(IDC_RESULT), "inf");
}

TEST_F(ConverterDialogTest, SpinStepsByOneWithinItsRange)
{
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(Control(IDC_SPIN), UDM_GETBUDDY, 0, 0)), Control(IDC_INPUT));
    Type("5");
    PressKeyInInput(VK_UP);
    EXPECT_EQ(Text(IDC_INPUT), "6");
    EXPECT_EQ(Text(IDC_RESULT), "5.196910");
    PressKeyInInput(VK_DOWN);
    PressKeyInInput(VK_DOWN);
    EXPECT_EQ(Text(IDC_INPUT), "4");

    Type("1");
    PressKeyInInput(VK_DOWN);
    EXPECT_EQ(Text(IDC_INPUT), "1");
    Type("32767");
    PressKeyInInput(VK_UP);
    EXPECT_EQ(Text(IDC_INPUT), "32767");
    EXPECT_EQ(Text(IDC_RESULT), "28381.189477");

    // No grouping comma: "1,000" would read back as 1.
    Type("999");
    PressKeyInInput(VK_UP);
    EXPECT_EQ(Text(IDC_INPUT), "1000");
    EXPECT_EQ(Text(IDC_RESULT), "866.151600");
}

TEST_F(ConverterDialogTest, ReadsTheChosenMomentInDecimalTime)
{
    EXPECT_EQ(Reading(LocalTime(2000, 1, 1, 0, 0, 0), LocalTime(2000, 1, 1, 0, 0, 0)), "0::0::0\n0::0::0");
    // Only the date picker's date and the time picker's time of day count.
    EXPECT_EQ(Reading(LocalTime(2000, 1, 2, 18, 30, 0), LocalTime(2011, 6, 15, 0, 3, 36)), "0::0::1\n0::0::0");
    EXPECT_EQ(Reading(LocalTime(2026, 12, 6, 1, 2, 3), LocalTime(2026, 1, 1, 21, 0, 0)), "98::1::2\n4::39::30");
    EXPECT_EQ(Reading(LocalTime(1999, 12, 31, 0, 0, 0), LocalTime(2000, 1, 1, 23, 59, 59)), "0::0::0\n0::0::-1");
}

TEST_F(ConverterDialogTest, PickersRunToTheControlsOwnLimits)
{
    for (int picker : {IDC_DATE_PICKER, IDC_TIME_PICKER}) {
        SYSTEMTIME range[2]{};
        EXPECT_EQ(SendMessageA(Control(picker), DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(range)), 0) << picker;
    }
    // Past the 32-bit moments and the C runtime's year 3000 to the last
    // second of 9999 (Wine's date picker takes that day only at midnight);
    // down to the first day Wine's control takes.
    EXPECT_EQ(Reading(LocalTime(2038, 1, 19, 0, 0, 0), LocalTime(2000, 1, 1, 3, 14, 8)), "138::6::3\n6::10::57");
    EXPECT_EQ(Reading(LocalTime(9999, 12, 31, 0, 0, 0), LocalTime(2000, 1, 1, 23, 59, 59)), "29146::8::1\n6::33::8");
    const SYSTEMTIME early = LocalTime(1752, 9, 14, 0, 0, 0);
    EXPECT_EQ(Reading(early, early), "-900::-9::-8\n-6::-29::-38");
}

TEST_F(ConverterDialogTest, OffersTheAboutBoxInTheSystemMenu)
{
    const HMENU menu = GetSystemMenu(window, FALSE);
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUT));
    char item[64] = "";
    GetMenuStringA(menu, count - 1, item, sizeof item, MF_BYPOSITION);
    EXPECT_STREQ(item, "About Decimora");
    EXPECT_TRUE(GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR);

    // The About box runs modally; read it, then close it with "OK".
    static std::string caption, version;
    caption.clear();
    version.clear();
    SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        const HWND about = FindWindowA(MAKEINTATOM(32770), "About Decimora");
        if (!about) {
            return;
        }
        caption = WindowText(about);
        char line[64] = "";
        for (HWND child = GetWindow(about, GW_CHILD); child && version.empty(); child = GetWindow(child, GW_HWNDNEXT)) {
            if (GetWindowTextA(child, line, sizeof line) && std::string(line).rfind("Decimora Version", 0) == 0) {
                version = line;
            }
        }
        PostMessageA(about, WM_COMMAND, IDOK, 0);
    });
    SendMessageA(window, WM_SYSCOMMAND, IDM_ABOUT, 0);
    EXPECT_EQ(caption, "About Decimora");
    EXPECT_EQ(version, "Decimora Version 1.1");
}

TEST_F(ConverterDialogTest, OffersItsIconForDragging)
{
    ASSERT_NE(dialog.Icon(), nullptr);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(window, WM_QUERYDRAGICON, 0, 0)), dialog.Icon());
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_BIG, 0)), dialog.Icon());
}

// Runs the dialog modally and lets `act` work on it from inside its loop.
INT_PTR RunModalAnd(void (*act)(HWND dialog))
{
    static void (*action)(HWND);
    action = act;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR timer, DWORD) {
        const HWND dialog = FindWindowA(MAKEINTATOM(32770), "Decimora");
        if (!dialog) {
            return;
        }
        KillTimer(nullptr, timer);
        action(dialog);
    });
    ConverterDialog dialog(GetModuleHandleA(nullptr));
    const INT_PTR result = dialog.RunModal(nullptr);
    KillTimer(nullptr, timer);
    return result;
}

TEST(ConverterDialogEnd, ExitAndEnterEndWithZero)
{
    EXPECT_EQ(RunModalAnd([](HWND dialog) { PostMessageA(GetDlgItem(dialog, IDC_EXIT), BM_CLICK, 0, 0); }), 0);
    EXPECT_EQ(RunModalAnd([](HWND dialog) { PostMessageA(GetDlgItem(dialog, IDC_INPUT), WM_KEYDOWN, VK_RETURN, 0); }),
              0);
}

TEST(ConverterDialogEnd, EscapeAndCloseBoxCancel)
{
    EXPECT_EQ(RunModalAnd([](HWND dialog) { PostMessageA(GetDlgItem(dialog, IDC_INPUT), WM_KEYDOWN, VK_ESCAPE, 0); }),
              IDCANCEL);
    EXPECT_EQ(RunModalAnd([](HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }), IDCANCEL);
}

std::string VersionString(const std::string& block, const char* name)
{
    void* value = nullptr;
    UINT size = 0;
    const std::string path = "\\StringFileInfo\\040904B0\\" + std::string(name);
    if (!VerQueryValueA(block.data(), path.c_str(), &value, &size)) {
        return {};
    }
    return static_cast<const char*>(value);
}

TEST(DecimoraResources, VersionRecordAndAboutItemText)
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    DWORD unused = 0;
    std::string block(GetFileVersionInfoSizeA(path, &unused), '\0');
    ASSERT_FALSE(block.empty());
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, static_cast<DWORD>(block.size()), &block[0]));
    void* value = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", &value, &size));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010001u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00020000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000000u);
    EXPECT_EQ(VersionString(block, "FileDescription"), "Decimora Application");
    EXPECT_EQ(VersionString(block, "InternalName"), "Decimora");
    EXPECT_EQ(VersionString(block, "OriginalFilename"), "Decimora.exe");

    char text[64] = "";
    LoadStringA(GetModuleHandleA(nullptr), IDS_ABOUT_ITEM, text, sizeof text);
    EXPECT_STREQ(text, "About Decimora");
}

} // namespace
