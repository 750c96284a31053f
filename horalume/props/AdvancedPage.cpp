#include "horalume/props/AdvancedPage.h"

#include "horalume/props/CommonDialogs.h"
#include "horalume/props/PageControls.h"
#include "horalume/props/PageText.h"
#include "resources/horalume/HoralumeResources.h"

#include <initializer_list>
#include <utility>

namespace {
class AdvancedPage final : public SheetPage {
public:
    AdvancedPage(HINSTANCE instance, SettingsSession& session, PageChoosers& choosers, const SystemTraits& system,
                 std::function<bool()> removeComponent)
        : instance_(instance), session_(session), choosers_(choosers), system_(system),
          removeComponent_(std::move(removeComponent))
    {
    }

    void Init(HWND page) override;
    PageCommand OnCommand(HWND page, int control, int code) override;

private:
    PageCommand SwitchMonitor(HWND page, int control, std::uint32_t flag);
    bool ChooseLineColour(HWND page, UINT titleId, std::uint32_t& colour, int lineBox);
    PageCommand ExitHoralume(HWND page);

    HINSTANCE instance_;
    SettingsSession& session_;
    PageChoosers& choosers_;
    const SystemTraits& system_;
    std::function<bool()> removeComponent_;
};
} // namespace

static PageCommand StoreMonitorFlag(HWND page, ClockSettings& settings, int control, std::uint32_t flag)
{
    SetDisplayFlag(settings, flag, IsChecked(page, control));
    return PageCommand::Changed;
}

PageCommand AdvancedPage::SwitchMonitor(HWND page, int control, std::uint32_t flag)
{
    SetDisplayFlag(session_.record, flag, IsChecked(page, control));
    UpdateMonitorState(page, system_.isNT);
    return PageCommand::Changed;
}

// Choosing a colour always switches its line on; false when cancelled.
bool AdvancedPage::ChooseLineColour(HWND page, UINT titleId, std::uint32_t& colour, int lineBox)
{
    char title[256];
    LoadPageText(instance_, titleId, title);
    const COLORREF chosen = PickColour(choosers_, page, colour, title);
    if (chosen == kNoColour) {
        return false;
    }
    colour = chosen;
    Check(page, lineBox, true);
    return true;
}

// The component goes first; Cancel then restores the stored settings and
// ends the run, so whatever was changed on the pages is dropped.
PageCommand AdvancedPage::ExitHoralume(HWND page)
{
    removeComponent_();
    PostMessageA(GetParent(page), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    return PageCommand::Handled;
}

// The two switches of the program: saved by OK only, never pushed.
static PageCommand ReadProgramSwitch(HWND page, int control, bool& on)
{
    on = IsChecked(page, control);
    return PageCommand::Handled;
}

void AdvancedPage::Init(HWND page)
{
    const ClockSettings& settings = session_.record;
    const ProgramSwitches& switches = session_.switches;
    const bool isNT = system_.isNT;
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
        LoadPageText(instance_, IDS_CPU_GROUP_NT, caption);
        SetDlgItemTextA(page, IDC_CPU_GROUP, caption);
        LoadPageText(instance_, IDS_MEMORY_GROUP_NT, caption);
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

PageCommand AdvancedPage::OnCommand(HWND page, int control, int code)
{
    if (code != BN_CLICKED) {
        return PageCommand::Ignored;
    }
    ClockSettings& settings = session_.record;
    switch (control) {
    case IDC_CPU_MONITOR:
        return SwitchMonitor(page, IDC_CPU_MONITOR, DisplayFlag::CpuMonitor);
    case IDC_CPU_COLOUR:
        if (!ChooseLineColour(page, IDS_CPU_COLOUR_TITLE, settings.cpuColor, IDC_CPU_USAGE_LINE)) {
            return PageCommand::Handled;
        }
        return StoreMonitorFlag(page, settings, IDC_CPU_USAGE_LINE, DisplayFlag::CpuUsageLine);
    case IDC_CPU_USAGE_LINE:
        return StoreMonitorFlag(page, settings, IDC_CPU_USAGE_LINE, DisplayFlag::CpuUsageLine);
    case IDC_MEMORY_COLOUR:
        if (!ChooseLineColour(page, IDS_MEMORY_COLOUR_TITLE, settings.memLoadColor, IDC_MEMORY_LOAD_LINE)) {
            return PageCommand::Handled;
        }
        return SwitchMonitor(page, IDC_MEMORY_LOAD_LINE, DisplayFlag::MemoryLoadLine);
    case IDC_MEMORY_LOAD_LINE:
        return SwitchMonitor(page, IDC_MEMORY_LOAD_LINE, DisplayFlag::MemoryLoadLine);
    case IDC_PHYSICAL_RAM_ONLY:
        return StoreMonitorFlag(page, settings, IDC_PHYSICAL_RAM_ONLY, DisplayFlag::PhysicalRamOnly);
    case IDC_SHOW_IN_CONTROL_PANEL:
        return ReadProgramSwitch(page, IDC_SHOW_IN_CONTROL_PANEL, session_.switches.appletEnabled);
    case IDC_AUTOSTART:
        return ReadProgramSwitch(page, IDC_AUTOSTART, session_.switches.autostart);
    case IDC_EXIT_HORALUME:
        return ExitHoralume(page);
    default:
        return PageCommand::Ignored;
    }
}

std::unique_ptr<SheetPage> MakeAdvancedPage(HINSTANCE instance, SettingsSession& session, PageChoosers& choosers,
                                            const SystemTraits& system, std::function<bool()> removeComponent)
{
    return std::make_unique<AdvancedPage>(instance, session, choosers, system, std::move(removeComponent));
}
