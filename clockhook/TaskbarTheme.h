// The taskbar's theme, which the clock, its calendar and its menu follow
// unless the settings choose colours: dark or light from the system's
// "SystemUsesLightTheme", or the system colours where that value is missing
// (older shells) or high contrast is on.
#pragma once

#include <windows.h>

enum class TaskbarTheme { System, Dark, Light };

TaskbarTheme ReadTaskbarTheme();

struct ThemeColours {
    COLORREF text;
    COLORREF background;
};

// The taskbar's own colours in that theme: what a clock drawn on it uses.
ThemeColours TaskbarColours(TaskbarTheme theme);

// Whether a WM_SETTINGCHANGE says the theme's colours changed.
bool IsThemeChange(LPARAM settingChangeText);
