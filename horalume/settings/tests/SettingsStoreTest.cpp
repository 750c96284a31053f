#include "horalume/settings/SettingsStore.h"
#include "hookapi/ClockDefaults.h"
#include "horalume/settings/SettingsSession.h"
#include "horalume/settings/tests/RegistryFixture.h"

#include <shlwapi.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

class SettingsStore : public RegistryTest {
protected:
    SettingsSession session;
};

namespace {

const char kRunPath[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::vector<BYTE> Bytes(const char* path, const char* name)
{
    DWORD type = 0;
    std::vector<BYTE> data;
    if (!RegistryTest::GetRaw(path, name, type, data)) {
        data.clear();
    }
    return data;
}

bool ValueExists(const char* path, const char* name)
{
    DWORD type = 0;
    std::vector<BYTE> data;
    return RegistryTest::GetRaw(path, name, type, data);
}

std::uint32_t LoadDisplayFlags(DWORD version, DWORD storedFlags)
{
    RegistryTest::SetDword(kSettingsKey, "Version", version);
    RegistryTest::SetDword(kSettingsKey, "DisplayFlags", storedFlags);
    ClockSettings settings;
    LoadClockSettings(settings);
    return settings.displayFlags;
}

} // namespace

TEST_F(SettingsStore, EmptyRegistryLoadsTheDefaultsAndWritesNothing)
{
    ClockSettings settings;
    std::memset(&settings, 0xAB, sizeof settings);
    EXPECT_FALSE(LoadClockSettings(settings)) << "the sheet is shown";
    ClockSettings expected = DefaultClockSettings();
    EXPECT_EQ(std::memcmp(&settings, &expected, sizeof settings), 0);
    EXPECT_FALSE(KeyExists(kTestKey));
    EXPECT_FALSE(ReadAutostart());
    EXPECT_EQ(ReadLastPage(), 0u);

    SetDword(kSettingsKey, "ShowProperties", 0);
    EXPECT_TRUE(LoadClockSettings(settings));
}

TEST_F(SettingsStore, MigrationAddsTheBitsOfEachLaterRelease)
{
    EXPECT_EQ(LoadDisplayFlags(0x10100, 0), 0x018E0400u);
    EXPECT_EQ(LoadDisplayFlags(0x10300, 0), 0x400u);
    EXPECT_EQ(LoadDisplayFlags(0x10402, 0x8), 0x8u);
    EXPECT_EQ(LoadDisplayFlags(0xFFFFFFFF, 0), 0u) << "compared as unsigned";
}

TEST_F(SettingsStore, CalendarNumbersAreClamped)
{
    ClockSettings settings;
    SetDword(kCalendarKey, "WeekendDays", 200);
    SetDword(kCalendarKey, "FirstDay", static_cast<DWORD>(-3));
    LoadClockSettings(settings);
    EXPECT_EQ(settings.weekendDays, 127u);
    EXPECT_EQ(settings.firstDay, 0);

    SetDword(kCalendarKey, "WeekendDays", 0xFFFFFFFF);
    SetDword(kCalendarKey, "FirstDay", 9);
    LoadClockSettings(settings);
    EXPECT_EQ(settings.weekendDays, 127u);
    EXPECT_EQ(settings.firstDay, 6);

    SHDeleteValueA(HKEY_CURRENT_USER, kCalendarKey, "FirstDay");
    SetDword(kSettingsKey, "DisplayFlags", 0x800);
    LoadClockSettings(settings);
    EXPECT_EQ(settings.firstDay, 1) << "Monday first for the old flag";
}

TEST_F(SettingsStore, LastDateMinusOneForgetsTheMonthAndIsWrittenBack)
{
    SetDword(kCalendarKey, "LastDate", 0xFFFFFFFF);
    LoadClockSettings(session.record);
    EXPECT_EQ(session.record.calendarFlags & CalendarFlag::RememberMonth, 0u);
    session.record.lastDate = 12345; // ignored while the month is not remembered
    session.Save();
    EXPECT_EQ(GetDword(kCalendarKey, "LastDate"), 0xFFFFFFFFu);

    SetDword(kCalendarKey, "LastDate", 0x7E30A0F);
    LoadClockSettings(session.record);
    EXPECT_NE(session.record.calendarFlags & CalendarFlag::RememberMonth, 0u);
    session.Save();
    EXPECT_EQ(GetDword(kCalendarKey, "LastDate"), 0x7E30A0Fu);
}

TEST_F(SettingsStore, BadValuesGiveDefaultsOrAreCutInsideTheirFields)
{
    SetString(kSettingsKey, "FixedWidth", "250");
    SetRaw(kSettingsKey, "ClockFormatString", REG_EXPAND_SZ, "HH:mm", 6);
    SetString(kSettingsKey, "TooltipFormatString", std::string(300, 'T'));
    SetRaw(kSettingsKey, "CopyFormatString", REG_SZ, "hh", 2);
    std::vector<BYTE> longFont(80, 0x11);
    SetRaw(kSettingsKey, "CustomFont", REG_BINARY, longFont.data(), 80);
    SetRaw(kCalendarKey, "Font", REG_BINARY, longFont.data(), 10);

    ClockSettings settings;
    LoadClockSettings(settings);
    EXPECT_EQ(settings.fixedWidth, 100);
    EXPECT_STREQ(settings.clockFormatString, "ddd, d MMM yyyy  HH:mm:ss");
    EXPECT_EQ(std::string(settings.tooltipFormatString), std::string(119, 'T'));
    EXPECT_EQ(settings.copyFormatString[0], 'h');
    EXPECT_STREQ(settings.copyFormatString, "hh");
    EXPECT_EQ(settings.customFont.height, 0x11111111);
    EXPECT_EQ(settings.customFont.faceName[31], 0x11);
    EXPECT_EQ(settings.fixedWidth, 100) << "a long font does not spill into the next field";
    EXPECT_EQ(settings.calendarFont.escapement, 0x1111) << "a short font leaves the rest zero";
    EXPECT_EQ(settings.calendarFont.orientation, 0);
    EXPECT_EQ(settings.calendarFont.faceName[0], 0);
}

TEST_F(SettingsStore, BoothModeAndAMissingAppletDisableTheApplet)
{
    LoadClockSettings(session.record);
    session.switches.appletPresent = true;
    session.switches.appletEnabled = true;
    session.Save();
    EXPECT_EQ(GetDword(kControlPanelKey, "Enabled"), 1u);

    session.record.displayFlags |= DisplayFlag::BoothMode;
    session.Save();
    EXPECT_EQ(GetDword(kControlPanelKey, "Enabled"), 0u);

    session.record.displayFlags &= ~DisplayFlag::BoothMode;
    session.switches.appletPresent = false;
    session.Save();
    EXPECT_EQ(GetDword(kControlPanelKey, "Enabled"), 0u);
}

TEST_F(SettingsStore, AutostartWritesTheModulePathAndDeletesIt)
{
    LoadClockSettings(session.record);
    session.switches.autostart = false;
    session.Save(); // nothing there to delete
    EXPECT_FALSE(ValueExists(kRunPath, kRunValue));

    session.switches.autostart = true;
    session.Save();
    char modulePath[MAX_PATH];
    GetModuleFileNameA(nullptr, modulePath, sizeof modulePath);
    std::vector<BYTE> stored = Bytes(kRunPath, kRunValue);
    EXPECT_EQ(std::string(stored.begin(), stored.end()), std::string(modulePath) + '\0');
    EXPECT_TRUE(ReadAutostart());

    session.switches.autostart = false;
    session.Save();
    EXPECT_FALSE(ValueExists(kRunPath, kRunValue));
    EXPECT_FALSE(ReadAutostart());

    SetDword(kRunPath, kRunValue, 1);
    EXPECT_FALSE(ReadAutostart()) << "only a string counts";
}

TEST_F(SettingsStore, SaveLeavesHotkeyAndLocaleAndWritesFontsAsTheFlagsSay)
{
    SetDword(kSettingsKey, "HotkeyCommand", 0xFFFF);
    SetDword(kSettingsKey, "Locale", 0x0407);
    LoadClockSettings(session.record);
    session.record.hotkeyCommand = 0;
    session.record.locale = 0x0409;
    session.Save();
    session.Save();
    EXPECT_EQ(GetDword(kSettingsKey, "HotkeyCommand"), 0xFFFFu);
    EXPECT_EQ(GetDword(kSettingsKey, "Locale"), 0x0407u);

    EXPECT_EQ(Bytes(kSettingsKey, "CustomFont"), std::vector<BYTE>(60, 0)) << "written even all zero";
    EXPECT_FALSE(ValueExists(kCalendarKey, "Font"));
    session.record.calendarFlags |= CalendarFlag::CustomCalendarFont;
    session.record.calendarFont.height = -12;
    session.Save();
    EXPECT_EQ(Bytes(kCalendarKey, "Font").size(), 60u);
    EXPECT_EQ(GetDword(kSettingsKey, "ShowProperties"), 0u);
    EXPECT_EQ(GetDword(kSettingsKey, "Version"), 0x10402u);
}

TEST_F(SettingsStore, SaveThenLoadGivesTheSameRecordByteForByte)
{
    ClockSettings& saved = session.record;
    std::memset(&saved, 0, sizeof saved); // as a load leaves the bytes after each text's NUL
    saved.hotkeyCommand = 0x9995;         // never written: the stored default comes back
    saved.locale = 0x0400;
    saved.displayFlags = 0x0300F00F;
    saved.backgroundColor = 0x00102030;
    saved.foregroundColor = 0x00405060;
    saved.cpuColor = 0x00708090;
    saved.memLoadColor = 0x00A0B0C0;
    saved.customFont.height = -13;
    saved.customFont.weight = 700;
    std::strcpy(saved.customFont.faceName, "Tahoma");
    saved.fixedWidth = 99999;
    std::strcpy(saved.clockFormatString, "HH:mm");
    std::memset(saved.tooltipFormatString, 'T', kFormatFieldSize - 1);
    std::strcpy(saved.copyFormatString, "%DC%");
    saved.clickCommand = 0xFFFF;
    saved.dblClickCommand = 0x9999;
    saved.calendarFlags = 0x201F;
    saved.calendarFont.height = -11;
    std::strcpy(saved.calendarFont.faceName, "Arial");
    saved.lastDate = 0x7E30A0F;
    saved.weekendDays = 0x7F;
    saved.firstDay = 6;
    session.Save();

    ClockSettings loaded;
    EXPECT_TRUE(LoadClockSettings(loaded));
    const auto* loadedBytes = reinterpret_cast<const unsigned char*>(&loaded);
    const auto* savedBytes = reinterpret_cast<const unsigned char*>(&saved);
    for (std::size_t offset = 0; offset < sizeof loaded; ++offset) {
        ASSERT_EQ(loadedBytes[offset], savedBytes[offset]) << "first difference at offset " << offset;
    }

    WriteLastPage(2003);
    EXPECT_EQ(ReadLastPage(), 2003u);
}

namespace {

struct ReceivedCopyData {
    int count = 0;
    WPARAM wParam = 1;
    ULONG_PTR dwData = 1;
    std::vector<BYTE> bytes;
};
ReceivedCopyData g_received;

LRESULT CALLBACK RecordingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COPYDATA) {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        const auto* bytes = static_cast<const BYTE*>(data->lpData);
        ++g_received.count;
        g_received.wParam = wParam;
        g_received.dwData = data->dwData;
        g_received.bytes.assign(bytes, bytes + data->cbData);
        return TRUE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

TEST(PushClockSettings, SendsTheWholeRecordToTheClockWindow)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = RecordingWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "SettingsRecorder";
    ASSERT_NE(RegisterClassA(&windowClass), 0);
    HWND window =
        CreateWindowA("SettingsRecorder", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);

    SettingsSession session;
    session.clockWindow = window;
    session.record.displayFlags = 0x018E0617;
    session.record.firstDay = 6;
    std::memset(session.record.copyFormatString, 'C', kFormatFieldSize); // no NUL
    session.Push();

    EXPECT_EQ(g_received.count, 1);
    EXPECT_EQ(g_received.wParam, 0u);
    EXPECT_EQ(g_received.dwData, 0u);
    ASSERT_EQ(g_received.bytes.size(), 536u);
    ClockSettings expected = session.record;
    expected.copyFormatString[kFormatFieldSize - 1] = '\0';
    EXPECT_EQ(std::memcmp(g_received.bytes.data(), &expected, sizeof expected), 0);

    DestroyWindow(window);
    UnregisterClassA("SettingsRecorder", windowClass.hInstance);
}

class ControlPanelState : public RegistryTest {
protected:
    void SetUp() override
    {
        RegistryTest::SetUp();
        char directory[MAX_PATH];
        GetSystemDirectoryA(directory, MAX_PATH);
        appletPath_ = std::string(directory) + "\\HORALUME.CPL";
        DeleteFileA(appletPath_.c_str());
    }
    void TearDown() override
    {
        DeleteFileA(appletPath_.c_str());
        RegistryTest::TearDown();
    }
    void CreateAppletFile()
    {
        HANDLE file = CreateFileA(appletPath_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        CloseHandle(file);
    }
    std::string appletPath_;
};

TEST_F(ControlPanelState, AppletCountsOnlyWhenItsFileExists)
{
    SetDword(kControlPanelKey, "Enabled", 1);
    ProgramSwitches switches;
    switches.appletPresent = switches.appletEnabled = true;
    ReadControlPanelState(switches);
    EXPECT_FALSE(switches.appletPresent);
    EXPECT_FALSE(switches.appletEnabled);

    CreateAppletFile();
    ReadControlPanelState(switches);
    EXPECT_TRUE(switches.appletPresent);
    EXPECT_TRUE(switches.appletEnabled);

    SetDword(kControlPanelKey, "Enabled", 0);
    ReadControlPanelState(switches);
    EXPECT_TRUE(switches.appletPresent);
    EXPECT_FALSE(switches.appletEnabled);

    SHDeleteKeyA(HKEY_CURRENT_USER, kControlPanelKey);
    ReadControlPanelState(switches);
    EXPECT_TRUE(switches.appletEnabled) << "enabled by default";
}
