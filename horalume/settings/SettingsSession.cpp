#include "horalume/settings/SettingsSession.h"

bool SettingsSession::Reload()
{
    const bool skipSheet = LoadClockSettings(record);
    switches.autostart = ReadAutostart();
    ReadControlPanelState(switches);
    return skipSheet;
}

LONG SettingsSession::Save() const
{
    return SaveClockSettings(record, switches);
}

void SettingsSession::Push() const
{
    PushClockSettings(clockWindow, record);
}
