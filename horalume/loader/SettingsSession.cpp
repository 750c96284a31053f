#include "SettingsSession.h"

bool SettingsSession::Reload()
{
    const bool skipSheet = LoadClockSettings(record);
    switches.autostart = ReadAutostart();
    ReadControlPanelState(switches);
    return skipSheet;
}

void SettingsSession::Save() const
{
    SaveClockSettings(record, switches);
}

void SettingsSession::Push() const
{
    PushClockSettings(clockWindow, record);
}
