#include "AdvancedPage.h"

#include <initializer_list>

#include "ClockHook.h"
#include "CommonDialogs.h"
#include "HoralumeResources.h"
#include "PageControls.h"
#include "PageText.h"
#include "SettingsStore.h"

bool (*g_hookClock)(bool install) = HookClock;

namespace {

void StoreMonitorFlag(HWND page, int control, std::uint32_t flag)
{
    SetDisplayFlag(flag, IsChecked(page, control));
    PushClockSettings();
}

void SwitchMonitor(HWND page, int control, std::uint32_t flag)
{
    SetDisplayFlag(flag, IsChecked(page, control));
    UpdateMonitorState(page);
    PushClockSettings();
}

// Choosing a colour always switches its line on; false when cancelled.
bool ChooseLineColour(HWND page, UINT titleId, std::uint32_t& colour, int lineBox)
{
    char title[256];
    LoadPageText(titleId, title);
    const COLORREF chosen = PickColour(page, colour, title);
    if (chosen == kNoColour) {
        return false;
    }
    colour = chosen;
    Check(page, lineBox, true);
    return true;
}

// The component goes first; Cancel then restores the stored settings and
// ends the run, so whatever was changed on the pages is dropped.
void ExitHoralume(HWND page)
{
    g_hookClock(false);
    PostMessageA(GetParent(page), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

} // namespace

void InitAdvancedPage(HWND page)
{
    const bool isNT = g_loader.isNT;
    // On NT the boxes show what NT offers; the stored flags stay as they are.
    Check(page, IDC_CPU_MONITOR, HasDisplayFlag(DisplayFlag::CpuMonitor) && !isNT);
    Check(page, IDC_CPU_USAGE_LINE, HasDisplayFlag(DisplayFlag::CpuUsageLine) && !isNT);
    Check(page, IDC_MEMORY_LOAD_LINE, HasDisplayFlag(DisplayFlag::MemoryLoadLine));
    Check(page, IDC_PHYSICAL_RAM_ONLY, HasDisplayFlag(DisplayFlag::PhysicalRamOnly) || isNT);

    EnableWindow(GetDlgItem(page, IDC_SHOW_IN_CONTROL_PANEL), g_loader.appletPresent);
    Check(page, IDC_SHOW_IN_CONTROL_PANEL, g_loader.appletEnabled);
    Check(page, IDC_AUTOSTART, g_loader.autostart);
    UpdateMonitorState(page);

    if (isNT) {
        char caption[256];
        LoadPageText(IDS_CPU_GROUP_NT, caption);
        SetDlgItemTextA(page, IDC_CPU_GROUP, caption);
        LoadPageText(IDS_MEMORY_GROUP_NT, caption);
        SetDlgItemTextA(page, IDC_MEMORY_GROUP, caption);
        for (int control : {IDC_CPU_MONITOR, IDC_CPU_USAGE_LINE, IDC_CPU_COLOUR, IDC_PHYSICAL_RAM_ONLY}) {
            EnableWindow(GetDlgItem(page, control), FALSE);
        }
    }
}

void UpdateMonitorState(HWND page)
{
    const bool cpu = IsChecked(page, IDC_CPU_MONITOR);
    EnableWindow(GetDlgItem(page, IDC_CPU_USAGE_LINE), cpu);
    EnableWindow(GetDlgItem(page, IDC_CPU_COLOUR), cpu);
    EnableWindow(GetDlgItem(page, IDC_MEMORY_COLOUR), IsChecked(page, IDC_MEMORY_LOAD_LINE) && !g_loader.isNT);
}

BOOL OnAdvancedPageCommand(HWND page, int control, int code)
{
    if (code != BN_CLICKED) {
        return FALSE;
    }
    ClockSettings& settings = g_loader.settings;
    switch (control) {
    case IDC_CPU_MONITOR:
        SwitchMonitor(page, IDC_CPU_MONITOR, DisplayFlag::CpuMonitor);
        return TRUE;
    case IDC_CPU_COLOUR:
        if (ChooseLineColour(page, IDS_CPU_COLOUR_TITLE, settings.cpuColor, IDC_CPU_USAGE_LINE)) {
            StoreMonitorFlag(page, IDC_CPU_USAGE_LINE, DisplayFlag::CpuUsageLine);
        }
        return TRUE;
    case IDC_CPU_USAGE_LINE:
        StoreMonitorFlag(page, IDC_CPU_USAGE_LINE, DisplayFlag::CpuUsageLine);
        return TRUE;
    case IDC_MEMORY_COLOUR:
        if (ChooseLineColour(page, IDS_MEMORY_COLOUR_TITLE, settings.memLoadColor, IDC_MEMORY_LOAD_LINE)) {
            SwitchMonitor(page, IDC_MEMORY_LOAD_LINE, DisplayFlag::MemoryLoadLine);
        }
        return TRUE;
    case IDC_MEMORY_LOAD_LINE:
        SwitchMonitor(page, IDC_MEMORY_LOAD_LINE, DisplayFlag::MemoryLoadLine);
        return TRUE;
    case IDC_PHYSICAL_RAM_ONLY:
        StoreMonitorFlag(page, IDC_PHYSICAL_RAM_ONLY, DisplayFlag::PhysicalRamOnly);
        return TRUE;
    case IDC_SHOW_IN_CONTROL_PANEL:
        g_loader.appletEnabled = IsChecked(page, IDC_SHOW_IN_CONTROL_PANEL); // saved by OK only
        return TRUE;
    case IDC_AUTOSTART:
        g_loader.autostart = IsChecked(page, IDC_AUTOSTART); // saved by OK only
        return TRUE;
    case IDC_EXIT_HORALUME:
        ExitHoralume(page);
        return TRUE;
    default:
        return FALSE;
    }
}
