// The component loaded into the stand-in taskbar the way the loader loads it.
#include "clockhook/model/ElementTable.h"
#include "hookapi/ClockDefaults.h"
#include "taskbar/testing/RecordingDdeServer.h"
#include "taskbar/testing/TaskbarTestKit.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

using namespace testkit;

namespace {

const std::string kDll = HORALUME_DLL_PATH;

ClockSettings SettingsWithFormat(const char* format)
{
    ClockSettings settings = DefaultClockSettings();
    std::strncpy(settings.clockFormatString, format, sizeof settings.clockFormatString - 1);
    return settings;
}

int ClockWidth()
{
    RECT rect;
    GetWindowRect(FindClockWindow(), &rect);
    return rect.right - rect.left;
}

class ClockComponent : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(taskbar_.Start()); }
    void TearDown() override { taskbar_.Stop(); }

    void Install()
    {
        ASSERT_TRUE(InstallClockComponent(kDll));
        ASSERT_TRUE(IsComponentInstalled());
    }

    StandInTaskbar taskbar_;
};

TEST_F(ClockComponent, MutexAndSubclassExistExactlyWhileInstalled)
{
    EXPECT_FALSE(IsComponentInstalled());
    EXPECT_TRUE(taskbar_.ClockProcedureIsOriginal());
    Install();
    EXPECT_FALSE(taskbar_.ClockProcedureIsOriginal());

    EXPECT_TRUE(RemoveClockComponent(kDll));
    EXPECT_FALSE(IsComponentInstalled());
    EXPECT_TRUE(taskbar_.ClockProcedureIsOriginal());
    // The taskbar's own clock shows its plain time again.
    EXPECT_TRUE(WaitForClockText([](const std::string& text) { return text.size() == 8 && text[2] == ':'; }));
    EXPECT_TRUE(taskbar_.IsRunning());
}

TEST_F(ClockComponent, InstallingAndRemovingTwiceIsHarmlessAndAlwaysAnswers)
{
    Install();
    EXPECT_TRUE(InstallClockComponent(kDll));
    EXPECT_TRUE(IsComponentInstalled());
    EXPECT_TRUE(PokeElement("A", "still here"));
    EXPECT_EQ(RequestElement("A"), "still here");

    EXPECT_TRUE(RemoveClockComponent(kDll));
    EXPECT_TRUE(RemoveClockComponent(kDll));
    EXPECT_FALSE(IsComponentInstalled());
    EXPECT_FALSE(RequestElement("A").has_value()) << "the server is gone";

    // And back again, with a fresh set of elements.
    Install();
    EXPECT_EQ(RequestElement("A"), "");
    EXPECT_TRUE(RemoveClockComponent(kDll));
    EXPECT_TRUE(taskbar_.IsRunning());
}

// Another extension that subclassed the clock after us keeps our procedure
// in its chain: removing must leave it passing through, and installing
// again must take it up rather than subclass once more (which would make
// our procedure call itself).
TEST_F(ClockComponent, AnotherExtensionOnTopKeepsTheChainWhole)
{
    Install();
    ASSERT_TRUE(PushSettings(SettingsWithFormat("'ours'")));
    ASSERT_TRUE(taskbar_.SubclassClockOnTop());

    EXPECT_TRUE(RemoveClockComponent(kDll));
    EXPECT_FALSE(IsComponentInstalled());
    EXPECT_TRUE(WaitForClockText([](const std::string& text) { return text.size() == 8 && text[2] == ':'; }))
        << "the plain clock shows through ours";

    Install();
    ASSERT_TRUE(PushSettings(SettingsWithFormat("'again'")));
    std::string text;
    EXPECT_TRUE(WaitForClockText("again", 10000, &text)) << text;
    EXPECT_TRUE(RemoveClockComponent(kDll));
    EXPECT_TRUE(WaitForClockText([](const std::string& t) { return t.size() == 8 && t[2] == ':'; }));
    EXPECT_TRUE(taskbar_.IsRunning());
}

TEST_F(ClockComponent, ShowsDefaultFormatUntilSettingsArrive)
{
    Install();
    std::string text;
    // "ddd, d MMM yyyy  HH:mm:ss": one line with the two blanks before the time.
    EXPECT_TRUE(WaitForClockText("  ", 10000, &text)) << text;
    EXPECT_EQ(text.find('\n'), std::string::npos) << text;
}

TEST_F(ClockComponent, PokedElementsShowInTheClockText)
{
    Install();
    ASSERT_TRUE(PushSettings(SettingsWithFormat("'T'|%DC% %dd%!")));
    std::string text;
    EXPECT_TRUE(WaitForClockText([](const std::string& t) { return t == "T\n !"; }, 10000, &text))
        << "never-set elements show nothing: " << text;

    EXPECT_TRUE(PokeElement("DC", "5::12::34"));
    EXPECT_TRUE(PokeElement("DD", "26::3::7"));
    EXPECT_TRUE(WaitForClockText([](const std::string& t) { return t == "T\n5::12::34 26::3::7!"; }, 10000, &text))
        << text;
    EXPECT_EQ(RequestElement("dc"), "5::12::34");

    EXPECT_TRUE(PokeElement("dc", "%DD%"));
    EXPECT_TRUE(WaitForClockText("\n%DD% 26::3::7!", 10000, &text)) << "a value is never expanded again: " << text;
}

TEST_F(ClockComponent, RefusedPokesLeaveTheValue)
{
    Install();
    ASSERT_TRUE(PokeElement("V", "kept"));

    // Wine reports a refused poke as success, so each refusal is read back.
    PokeElement("V", std::string(kMaxElementValueLength + 1, 'x'));
    EXPECT_EQ(RequestElement("V"), "kept") << "value too long";

    const char bitmapLike[] = "other format";
    PokeData("V", bitmapLike, sizeof bitmapLike, CF_OEMTEXT);
    EXPECT_EQ(RequestElement("V"), "kept") << "not CF_TEXT";

    std::string longName(kMaxElementNameLength + 1, 'N');
    PokeElement(longName, "x");
    EXPECT_EQ(RequestElement(longName.substr(0, kMaxElementNameLength)), "") << "name too long";
    EXPECT_FALSE(RequestElement("").has_value()) << "no name is no element";

    std::string longestValue(kMaxElementValueLength, 'y');
    EXPECT_TRUE(PokeElement("V", longestValue));
    EXPECT_EQ(RequestElement("V"), longestValue);
}

TEST_F(ClockComponent, SettingsRecordIsAnsweredAndAppliedAtOnce)
{
    Install();
    ClockSettings settings = SettingsWithFormat("'first'");
    ASSERT_TRUE(PushSettings(settings));
    ASSERT_TRUE(WaitForClockText([](const std::string& t) { return t == "first"; }));

    ClockSettings other = SettingsWithFormat("'second'");
    EXPECT_EQ(SendCopyData(0, &other, kClockSettingsSize - 1), FALSE);
    EXPECT_EQ(SendCopyData(1, &other, kClockSettingsSize), FALSE);
    EXPECT_EQ(ClockText(), "first");
    EXPECT_EQ(SendCopyData(0, &other, kClockSettingsSize), TRUE);
    EXPECT_EQ(ClockText(), "second") << "applied at once";
}

TEST_F(ClockComponent, WidthFollowsTheTextOrStaysFixed)
{
    Install();
    ClockSettings settings = SettingsWithFormat("%W%");
    ASSERT_TRUE(PushSettings(settings));
    ASSERT_TRUE(PokeElement("W", "narrow"));
    ASSERT_TRUE(WaitForClockText([](const std::string& t) { return t == "narrow"; }));
    int narrow = ClockWidth();
    ASSERT_TRUE(PokeElement("W", "a much, much wider text than before"));
    ASSERT_TRUE(WaitForClockText("wider"));
    EXPECT_GT(ClockWidth(), narrow);

    settings.displayFlags |= DisplayFlag::FixedWidthOn;
    settings.fixedWidth = 150;
    ASSERT_TRUE(PushSettings(settings));
    EXPECT_EQ(ClockWidth(), 150);
}

RECT RectInParent(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// However wide the settings make the clock, it keeps the right edge the
// taskbar gave it, also after the taskbar placed it anew, and stays inside
// its parent.
TEST_F(ClockComponent, ClockKeepsTheTaskbarsRightEdge)
{
    HWND clock = FindClockWindow();
    int right = RectInParent(clock).right;
    Install();
    ClockSettings settings = SettingsWithFormat("'x'");
    settings.displayFlags |= DisplayFlag::FixedWidthOn;
    settings.fixedWidth = 99999;
    ASSERT_TRUE(PushSettings(settings));
    RECT rect = RectInParent(clock);
    EXPECT_EQ(rect.left, 0) << "cut to the room left of the right edge";
    EXPECT_EQ(rect.right, right);
    settings.fixedWidth = 150;
    ASSERT_TRUE(PushSettings(settings));
    rect = RectInParent(clock);
    EXPECT_EQ(rect.right, right);
    EXPECT_EQ(rect.right - rect.left, 150);

    // The taskbar lays the clock out again.
    SetWindowPos(clock, nullptr, 20, rect.top, 180, rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    rect = RectInParent(clock);
    EXPECT_EQ(rect.right, 200);
    EXPECT_EQ(rect.right - rect.left, 150);
    settings.fixedWidth = 60;
    ASSERT_TRUE(PushSettings(settings));
    rect = RectInParent(clock);
    EXPECT_EQ(rect.right, 200);
    EXPECT_EQ(rect.right - rect.left, 60);
}

TEST_F(ClockComponent, TicksEverySecond)
{
    Install();
    ASSERT_TRUE(PushSettings(SettingsWithFormat("HH:mm:ss")));
    std::string first = ClockText();
    std::string later;
    EXPECT_TRUE(WaitForClockText([&first](const std::string& t) { return t != first; }, 5000, &later))
        << first << " stayed";
}

// A clock of minutes sleeps through the seconds yet turns over on time.
TEST_F(ClockComponent, MinutesOnlyClockTurnsOverWithinASecondOfTheMinute)
{
    Install();
    ASSERT_TRUE(PushSettings(SettingsWithFormat("HH:mm")));
    const std::string first = ClockText();
    std::string later;
    ASSERT_TRUE(WaitForClockText([&first](const std::string& t) { return t != first; }, 62000, &later));
    SYSTEMTIME now;
    GetLocalTime(&now);
    char expected[8];
    std::snprintf(expected, sizeof expected, "%02u:%02u", now.wHour, now.wMinute);
    EXPECT_EQ(later, expected);
    EXPECT_EQ(now.wSecond, 0) << "turned over " << now.wSecond << " s late";
}

TEST_F(ClockComponent, TaskbarClosesCleanlyWithTheComponentInside)
{
    Install();
    EXPECT_TRUE(taskbar_.Stop()) << "closed on its own";
    EXPECT_FALSE(IsComponentInstalled());
}

// A component that cannot serve its elements installs nothing: no mutex,
// the clock's own procedure, and the loader is still told that the request
// is done.
TEST_F(ClockComponent, FailedInstallationLeavesNothingBehind)
{
    {
        RecordingDdeServer other; // as another shell's component would
        ASSERT_TRUE(other.Running());
        EXPECT_TRUE(InstallClockComponent(kDll)) << "the request is answered";
        EXPECT_FALSE(IsComponentInstalled());
        EXPECT_TRUE(taskbar_.ClockProcedureIsOriginal());
        EXPECT_TRUE(WaitForClockText([](const std::string& text) { return text.size() == 8 && text[2] == ':'; }))
            << "the plain clock shows";
    }
    Install();
    EXPECT_TRUE(RemoveClockComponent(kDll));
}

TEST(ClockComponentHiddenClock, InstallsIntoAHiddenClock)
{
    StandInTaskbar taskbar;
    ASSERT_TRUE(taskbar.Start(ClockMode::Hidden));
    EXPECT_TRUE(InstallClockComponent(kDll));
    EXPECT_TRUE(IsComponentInstalled());
    EXPECT_TRUE(RemoveClockComponent(kDll));
    EXPECT_FALSE(IsComponentInstalled());
}

} // namespace
