// What the clock's settings choose, worked out without a window: the formats
// of the tooltip and the copied text, the clock's own menu items, and the
// program the properties command starts.
#pragma once

#include "hookapi/ClockSettings.h"

#include <cstdint>
#include <string>
#include <vector>

// Without CustomTooltip the tooltip shows the locale's long date over its
// long time.
constexpr char kDefaultTooltipFormat[] = "ffff|ff";

const char* TooltipFormat(const ClockSettings& settings);

// CopySameAsClock wins over CopySameAsTooltip, as the properties page shows
// it when both are set.
const char* CopyFormat(const ClockSettings& settings);

// The clock's own items on its right-click menu, in order.
enum class MenuEntry { Banner, Properties, Calendar, Copy };
std::vector<MenuEntry> ClockMenuEntries(const ClockSettings& settings);
// Whether they go above the plain clock's items.
bool ClockMenuAtTop(const ClockSettings& settings);

// A file beside the module: the directory of modulePath (up to its last '\'
// or '/') followed by fileName; just fileName when the path has no directory.
// Paths are UTF-16, as the system holds them.
std::wstring SiblingPath(const std::wstring& modulePath, const wchar_t* fileName);

constexpr wchar_t kPropertiesProgram[] = L"Horalume.exe";
