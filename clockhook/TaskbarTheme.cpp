#include "clockhook/TaskbarTheme.h"

#include "win32/RegKey.h"

#include <cstring>

constexpr char kPersonalizeKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
constexpr char kLightThemeValue[] = "SystemUsesLightTheme";

static bool HighContrastOn()
{
    HIGHCONTRASTA contrast = {};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

TaskbarTheme ReadTaskbarTheme()
{
    if (HighContrastOn()) {
        return TaskbarTheme::System;
    }
    RegKeyReader personalize;
    if (!personalize.Open(HKEY_CURRENT_USER, kPersonalizeKey)) {
        return TaskbarTheme::System;
    }
    constexpr std::int32_t kMissing = -1;
    switch (personalize.ReadDword(kLightThemeValue, kMissing)) {
    case 0:
        return TaskbarTheme::Dark;
    case kMissing:
        return TaskbarTheme::System;
    default:
        return TaskbarTheme::Light;
    }
}

ThemeColours TaskbarColours(TaskbarTheme theme)
{
    switch (theme) {
    case TaskbarTheme::Dark:
        return {RGB(255, 255, 255), RGB(32, 32, 32)};
    case TaskbarTheme::Light:
        return {RGB(0, 0, 0), RGB(243, 243, 243)};
    default:
        return {GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_BTNFACE)};
    }
}

bool IsThemeChange(LPARAM settingChangeText)
{
    const char* text = reinterpret_cast<const char*>(settingChangeText);
    return text != nullptr && std::strcmp(text, "ImmersiveColorSet") == 0;
}
