#include "horalume/settings/SettingsStore.h"

#include "hookapi/ClockDefaults.h"
#include "hookapi/HookApi.h"
#include "horalume/settings/SettingsRules.h"
#include "win32/RegKey.h"
#include "win32/WidePath.h"

#include <cstring>
#include <string>

constexpr std::uint32_t kSavedVersion = 0x10402; // 1.4.2
constexpr char kAppletFileName[] = "\\HORALUME.CPL";

// A text field as it may be written: never past its own bytes.
static std::string FieldText(const char (&field)[kFormatFieldSize])
{
    return std::string(field, strnlen(field, kFormatFieldSize - 1));
}

bool LoadClockSettings(ClockSettings& settings)
{
    const ClockSettings defaults = DefaultClockSettings();
    std::memset(&settings, 0, sizeof settings);

    RegKeyReader key;
    key.Open(HKEY_CURRENT_USER, kHoralumeKey, kSettingsSubkey);
    bool skipSheet = !key.ReadBool("ShowProperties", true);
    auto version = static_cast<std::uint32_t>(key.ReadDword("Version", 0));

    settings.displayFlags = key.ReadDword("DisplayFlags", defaults.displayFlags);
    settings.backgroundColor = key.ReadDword("BackgroundColor", defaults.backgroundColor);
    settings.foregroundColor = key.ReadDword("ForegroundColor", defaults.foregroundColor);
    settings.cpuColor = key.ReadDword("CPUColor", defaults.cpuColor);
    settings.memLoadColor = key.ReadDword("MemLoadColor", defaults.memLoadColor);
    settings.fixedWidth = key.ReadDword("FixedWidth", defaults.fixedWidth);
    key.ReadBinary("CustomFont", nullptr, &settings.customFont, sizeof settings.customFont);
    key.ReadString("ClockFormatString", defaults.clockFormatString, settings.clockFormatString, kFormatFieldSize);
    key.ReadString("TooltipFormatString", defaults.tooltipFormatString, settings.tooltipFormatString, kFormatFieldSize);
    key.ReadString("CopyFormatString", defaults.copyFormatString, settings.copyFormatString, kFormatFieldSize);
    settings.clickCommand = key.ReadDword("ClickCommand", defaults.clickCommand);
    settings.dblClickCommand = key.ReadDword("DblClickCommand", defaults.dblClickCommand);
    settings.hotkeyCommand = key.ReadDword("HotkeyCommand", defaults.hotkeyCommand);
    settings.locale = key.ReadDword("Locale", defaults.locale);

    key.Open(HKEY_CURRENT_USER, kHoralumeKey, kCalendarSubkey);
    static const struct {
        const char* name;
        std::uint32_t flag;
    } calendarSwitches[] = {
        {"AutoClose", CalendarFlag::AutoClose},           {"TopMost", CalendarFlag::TopMost},
        {"SaveWindow", CalendarFlag::SaveWindow},         {"WeekNumbers", CalendarFlag::WeekNumbers},
        {"CustomFont", CalendarFlag::CustomCalendarFont},
    };
    for (const auto& entry : calendarSwitches) {
        if (key.ReadBool(entry.name, (defaults.calendarFlags & entry.flag) != 0)) {
            settings.calendarFlags |= entry.flag;
        }
    }
    key.ReadBinary("Font", nullptr, &settings.calendarFont, sizeof settings.calendarFont);
    settings.lastDate = key.ReadDword("LastDate", defaults.lastDate);
    if (settings.lastDate != -1) {
        settings.calendarFlags |= CalendarFlag::RememberMonth;
    }
    settings.weekendDays = key.ReadClampedUnsigned("WeekendDays", defaults.weekendDays, 0, 127);
    int firstDayDefault = (settings.displayFlags & DisplayFlag::LegacyMondayFirst) ? 1 : 0;
    settings.firstDay = key.ReadClamped("FirstDay", firstDayDefault, 0, 6);

    settings.displayFlags = MigrateDisplayFlags(settings.displayFlags, version);
    return skipSheet;
}

LONG SaveClockSettings(const ClockSettings& settings, const ProgramSwitches& switches)
{
    RegKeyWriter key;
    key.Create(HKEY_CURRENT_USER, kHoralumeKey, kSettingsSubkey);
    key.WriteDword("ShowProperties", 0);
    key.WriteDword("Version", kSavedVersion);
    key.WriteDword("DisplayFlags", settings.displayFlags);
    key.WriteDword("BackgroundColor", settings.backgroundColor);
    key.WriteDword("ForegroundColor", settings.foregroundColor);
    key.WriteDword("CPUColor", settings.cpuColor);
    key.WriteDword("MemLoadColor", settings.memLoadColor);
    key.WriteDword("FixedWidth", settings.fixedWidth);
    key.WriteBinary("CustomFont", &settings.customFont, sizeof settings.customFont);
    key.WriteString("ClockFormatString", FieldText(settings.clockFormatString).c_str());
    key.WriteString("TooltipFormatString", FieldText(settings.tooltipFormatString).c_str());
    key.WriteString("CopyFormatString", FieldText(settings.copyFormatString).c_str());
    key.WriteDword("ClickCommand", settings.clickCommand);
    key.WriteDword("DblClickCommand", settings.dblClickCommand);

    key.Create(HKEY_CURRENT_USER, kHoralumeKey, kCalendarSubkey);
    std::uint32_t calendarFlags = settings.calendarFlags;
    key.WriteBool("AutoClose", calendarFlags & CalendarFlag::AutoClose);
    key.WriteBool("TopMost", calendarFlags & CalendarFlag::TopMost);
    key.WriteBool("SaveWindow", calendarFlags & CalendarFlag::SaveWindow);
    key.WriteBool("WeekNumbers", calendarFlags & CalendarFlag::WeekNumbers);
    key.WriteBool("CustomFont", calendarFlags & CalendarFlag::CustomCalendarFont);
    if (calendarFlags & CalendarFlag::CustomCalendarFont) {
        key.WriteBinary("Font", &settings.calendarFont, sizeof settings.calendarFont);
    }
    key.WriteDword("LastDate", (calendarFlags & CalendarFlag::RememberMonth) ? settings.lastDate : -1);
    key.WriteDword("WeekendDays", settings.weekendDays);
    key.WriteDword("FirstDay", settings.firstDay);

    key.Create(HKEY_CURRENT_USER, kHoralumeKey, kControlPanelSubkey);
    bool boothMode = settings.displayFlags & DisplayFlag::BoothMode;
    key.WriteBool("Enabled", !boothMode && switches.appletPresent && switches.appletEnabled);

    key.Create(HKEY_CURRENT_USER, kRunKey);
    if (switches.autostart) {
        const std::wstring modulePath = ModulePath(nullptr);
        if (!modulePath.empty()) {
            key.WriteString(kRunValue, modulePath);
        }
    } else {
        key.DeleteValue(kRunValue);
    }
    return key.FirstError();
}

void PushClockSettings(HWND clockWindow, const ClockSettings& settings)
{
    // The clock reads the texts as C strings: send them terminated whatever the pages left.
    ClockSettings record = settings;
    TerminateFormatStrings(record);
    COPYDATASTRUCT message{};
    message.dwData = hookapi::kSettingsCopyDataId;
    message.cbData = sizeof record;
    message.lpData = &record;
    SendMessageA(clockWindow, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&message));
}

bool ReadAutostart()
{
    RegKeyReader key;
    key.Open(HKEY_CURRENT_USER, kRunKey);
    return key.ReadString(kRunValue, nullptr) != nullptr;
}

// Whether the Control Panel applet file lies in the system directory.
static bool AppletFileExists()
{
    char path[MAX_PATH];
    UINT length = GetSystemDirectoryA(path, MAX_PATH);
    if (length == 0 || length + sizeof kAppletFileName > sizeof path) {
        return false;
    }
    std::memcpy(path + length, kAppletFileName, sizeof kAppletFileName);
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void ReadControlPanelState(ProgramSwitches& switches)
{
    RegKeyReader key;
    key.Open(HKEY_CURRENT_USER, kHoralumeKey, kControlPanelSubkey);
    switches.appletPresent = AppletFileExists();
    switches.appletEnabled = switches.appletPresent && key.ReadBool("Enabled", true);
}

std::uint32_t ReadLastPage()
{
    RegKeyReader key;
    key.Open(HKEY_CURRENT_USER, kHoralumeKey, kSettingsSubkey);
    return static_cast<std::uint32_t>(key.ReadDword("Page", 0));
}

void WriteLastPage(std::uint32_t page)
{
    RegKeyWriter key;
    key.Create(HKEY_CURRENT_USER, kHoralumeKey, kSettingsSubkey);
    key.WriteDword("Page", static_cast<std::int32_t>(page));
}
