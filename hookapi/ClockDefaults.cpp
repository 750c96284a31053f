#include "hookapi/ClockDefaults.h"

#include <cstring>

ClockSettings DefaultClockSettings()
{
    ClockSettings settings;
    std::memset(&settings, 0, sizeof settings);
    settings.displayFlags = DisplayFlag::Defaults;
    settings.backgroundColor = 0x00000000;
    settings.foregroundColor = 0x0080FF80;
    settings.cpuColor = 0x0080FF80;
    settings.memLoadColor = 0x0080FF80;
    settings.fixedWidth = 100;
    std::strcpy(settings.clockFormatString, "ddd, d MMM yyyy  HH:mm:ss");
    settings.clickCommand = ClockCommand::Calendar;
    settings.dblClickCommand = ClockCommand::Copy;
    settings.hotkeyCommand = ClockCommand::Calendar;
    settings.locale = 0x0400;
    settings.calendarFlags = CalendarFlag::AutoClose | CalendarFlag::TopMost | CalendarFlag::RememberMonth;
    settings.lastDate = 0;
    settings.weekendDays = 0x41;
    settings.firstDay = 0;
    return settings;
}
