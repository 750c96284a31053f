#include "AdvancedPage.h"

#include "CommonDialogs.h"
#include "HoralumeResources.h"
#include "PageControls.h"
#include "PageText.h"

#include <initializer_list>

static PageCommand StoreMonitorFlag(HWND page, ClockSettings& settings, int control, std::uint32_t flag)
{
    SetDisplayFlag(settings, flag, IsChecked(page, control));
    return PageCommand::Changed;
}

static PageCommand SwitchMonitor(HWND page, LoaderState& state, int control, std::uint32_t flag)
{
    SetDisplayFlag(state.session.record, flag, IsChecked(page, control));
    UpdateMonitorState(page, state.isNT);
    return PageCommand::Changed;
}

// Choosing a colour always switches its line on; false when cancelled.
static bool ChooseLineColour(HWND page, LoaderState& state, UINT titleId, std::uint32_t& colour, int lineBox)
{
    char title[256];
    LoadPageText(state.instance, titleId, title);
    const COLORREF chosen = PickColour(state.choosers, page, colour, title);
    if (chosen == kNoColour) {
        return false;
    }
    colour = chosen;
    Check(page, lineBox, true);
    return true;
}

// The component goes first; Cancel then restores the stored settings and
// ends the run, so whatever was changed on the pages is dropped.
static PageCommand ExitHoralume(HWND page, const LoaderState& state)
{
    state.removeComponent(state);
    PostMessageA(GetParent(page), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    return PageCommand::Handled;
}

// The two switches of the program: saved by OK only, never pushed.
static PageCommand ReadProgramSwitch(HWND page, int control, bool& on)
{
    on = IsChecked(page, control);
    return PageCommand::Handled;
}

void InitAdvancedPage(HWND page, LoaderState& state)
{
    const ClockSettings& settings = state.session.record;
    const ProgramSwitches& switches = state.session.switches;
    const bool isNT = state.isNT;
    // On NT the boxes show what NT offers; the stored flags stay as they are.
    Check(page, IDC_CPU_MONITOR, HasDisplayFlag(settings, DisplayFlag::CpuMonitor) && !isNT);
    Check(page, IDC_CPU_USAGE_LINE, HasDisplayFlag(settings, DisplayFlag::CpuUsageLine) && !isNT);
    Check(page, IDC_MEMORY_LOAD_LINE, HasDisplayFlag(settings, DisplayFlag::MemoryLoadLine));
    Check(page, IDC_PHYSICAL_RAM_ONLY, HasDisplayFlag(settings, DisplayFlag::PhysicalRamOnly) || isNT);

    EnableWindow(GetDlgItem(page, IDC_SHOW_IN_CONTROL_PANEL), switches.appletPresent);
    Check(page, IDC_SHOW_IN_CONTROL_PANEL, switches.appletEnabled);
    Check(page, IDC_AUTOSTART, switches.autostart);
    UpdateMonitorState(page, isNT);

    if (isNT) {
        char caption[256];
        LoadPageText(state.instance, IDS_CPU_GROUP_NT, caption);
        SetDlgItemTextA(page, IDC_CPU_GROUP, caption);
        LoadPageText(state.instance, IDS_MEMORY_GROUP_NT, caption);
        SetDlgItemTextA(page, IDC_MEMORY_GROUP, caption);
        for (int control : {IDC_CPU_MONITOR, IDC_CPU_USAGE_LINE, IDC_CPU_COLOUR, IDC_PHYSICAL_RAM_ONLY}) {
            EnableWindow(GetDlgItem(page, control), FALSE);
        }
    }
}

void UpdateMonitorState(HWND page, bool isNT)
{
    const bool cpu = IsChecked(page, IDC_CPU_MONITOR);
    EnableWindow(GetDlgItem(page, IDC_CPU_USAGE_LINE), cpu);
    EnableWindow(GetDlgItem(page, IDC_CPU_COLOUR), cpu);
    EnableWindow(GetDlgItem(page, IDC_MEMORY_COLOUR), IsChecked(page, IDC_MEMORY_LOAD_LINE) && !isNT);
}

PageCommand OnAdvancedPageCommand(HWND page, LoaderState& state, int control, int code)
{
    if (code != BN_CLICKED) {
        return PageCommand::Ignored;
    }
    ClockSettings& settings = state.session.record;
    switch (control) {
    case IDC_CPU_MONITOR:
        return SwitchMonitor(page, state, IDC_CPU_MONITOR, DisplayFlag::CpuMonitor);
    case IDC_CPU_COLOUR:
        if (!ChooseLineColour(page, state, IDS_CPU_COLOUR_TITLE, settings.cpuColor, IDC_CPU_USAGE_LINE)) {
            return PageCommand::Handled;
        }
        return StoreMonitorFlag(page, settings, IDC_CPU_USAGE_LINE, DisplayFlag::CpuUsageLine);
    case IDC_CPU_USAGE_LINE:
        return StoreMonitorFlag(page, settings, IDC_CPU_USAGE_LINE, DisplayFlag::CpuUsageLine);
    case IDC_MEMORY_COLOUR:
        if (!ChooseLineColour(page, state, IDS_MEMORY_COLOUR_TITLE, settings.memLoadColor, IDC_MEMORY_LOAD_LINE)) {
            return PageCommand::Handled;
        }
        return SwitchMonitor(page, state, IDC_MEMORY_LOAD_LINE, DisplayFlag::MemoryLoadLine);
    case IDC_MEMORY_LOAD_LINE:
        return SwitchMonitor(page, state, IDC_MEMORY_LOAD_LINE, DisplayFlag::MemoryLoadLine);
    case IDC_PHYSICAL_RAM_ONLY:
        return StoreMonitorFlag(page, settings, IDC_PHYSICAL_RAM_ONLY, DisplayFlag::PhysicalRamOnly);
    case IDC_SHOW_IN_CONTROL_PANEL:
        return ReadProgramSwitch(page, IDC_SHOW_IN_CONTROL_PANEL, state.session.switches.appletEnabled);
    case IDC_AUTOSTART:
        return ReadProgramSwitch(page, IDC_AUTOSTART, state.session.switches.autostart);
    case IDC_EXIT_HORALUME:
        return ExitHoralume(page, state);
    default:
        return PageCommand::Ignored;
    }
}
