// clockctl.exe: the test kit from a shell script, for demos, screenshots and
// benchmarks under Wine.
//   clockctl install|remove <dll>   clockctl format <picture>
//   clockctl poke <name> <value>    clockctl text
//   clockctl monitor [picture]      (both monitor lines on)
//   clockctl tooltip <picture>      (a tooltip that stays)
//   clockctl menu <item>            (chosen from the clock's right-click menu)
//   clockctl window <class> <title> (succeeds while such a window shows)
//   clockctl sheet-ok <page> <control>  (in the open properties sheet: shows
//                                   the page, clicks the control, presses OK)
#include "taskbar/testing/TaskbarTestKit.h"

#include "hookapi/ClockDefaults.h"

#include <prsht.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

static ClockSettings SettingsWithFormat(const char* format)
{
    ClockSettings settings = DefaultClockSettings();
    std::strncpy(settings.clockFormatString, format, sizeof settings.clockFormatString - 1);
    return settings;
}

static ClockSettings MonitorSettings(const char* format)
{
    ClockSettings settings = format ? SettingsWithFormat(format) : DefaultClockSettings();
    settings.displayFlags |=
        DisplayFlag::CpuMonitor | DisplayFlag::CpuUsageLine | DisplayFlag::MemoryLoadLine | DisplayFlag::CustomColours;
    settings.cpuColor = 0x000000FF;     // red
    settings.memLoadColor = 0x00FF8000; // blue
    return settings;
}

static ClockSettings TooltipSettings(const char* format)
{
    ClockSettings settings = DefaultClockSettings();
    settings.displayFlags |= DisplayFlag::CustomTooltip | DisplayFlag::TooltipStays;
    std::strncpy(settings.tooltipFormatString, format, sizeof settings.tooltipFormatString - 1);
    return settings;
}

// The properties sheet as a user would use it: a page, a control, OK.
static bool ClickAndPressOk(int pageId, int controlId)
{
    HWND sheet = FindWindowA("#32770", "Horalume Properties");
    if (sheet == nullptr) {
        return false;
    }
    SendMessageA(sheet, PSM_SETCURSELID, 0, pageId);
    auto page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    HWND control = page != nullptr ? GetDlgItem(page, controlId) : nullptr;
    if (control == nullptr) {
        return false;
    }
    SendMessageA(control, BM_CLICK, 0, 0);
    return PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0) != 0;
}

int main(int argc, char** argv)
{
    std::string command = argc > 1 ? argv[1] : "";
    bool ok = false;
    if (command == "install" && argc == 3) {
        ok = testkit::InstallClockComponent(argv[2]);
    } else if (command == "remove" && argc == 3) {
        ok = testkit::RemoveClockComponent(argv[2]);
    } else if (command == "format" && argc == 3) {
        ok = testkit::PushSettings(SettingsWithFormat(argv[2]));
    } else if (command == "monitor" && (argc == 2 || argc == 3)) {
        ok = testkit::PushSettings(MonitorSettings(argc == 3 ? argv[2] : nullptr));
    } else if (command == "tooltip" && argc == 3) {
        ok = testkit::PushSettings(TooltipSettings(argv[2]));
    } else if (command == "poke" && argc == 4) {
        ok = testkit::PokeElement(argv[2], argv[3]);
    } else if (command == "menu" && argc == 3) {
        ok = testkit::ChooseClockMenuItem(argv[2]);
    } else if (command == "window" && argc == 4) {
        HWND window = FindWindowA(argv[2], argv[3]);
        ok = window != nullptr && IsWindowVisible(window);
    } else if (command == "sheet-ok" && argc == 4) {
        ok = ClickAndPressOk(std::atoi(argv[2]), std::atoi(argv[3]));
    } else if (command == "text") {
        std::printf("%s\n", testkit::ClockText().c_str());
        ok = true;
    } else {
        std::fprintf(stderr,
                     "usage: clockctl install|remove <dll> | format <picture> | poke <name> <value> | text | monitor"
                     " | tooltip <picture> | menu <item> | window <class> <title> | sheet-ok <page> <control>\n");
        return 2;
    }
    return ok ? 0 : 1;
}
