// storm.exe: floods the clock component inside the stand-in taskbar and
// checks the shell afterwards (stress/storm.sh runs every storm).
//   storm copydata <package> [max size]     storm dde <package> [count] [clients]
//   storm cycles <package> [count]          storm restarts <package> [count]
//   storm raw <package> [rounds]
//   storm soak <package> [minutes] [cycle every] [restart every] [flat from]
#include "stress/storm/DdeStorm.h"
#include "stress/storm/Soak.h"
#include "stress/storm/Storms.h"

#include <cstdio>
#include <cstdlib>
#include <string>

static unsigned Argument(int argc, char** argv, int index, unsigned fallback)
{
    return argc > index ? static_cast<unsigned>(std::strtoul(argv[index], nullptr, 10)) : fallback;
}

int main(int argc, char** argv)
{
    std::string storm = argc > 2 ? argv[1] : "";
    if (storm == "dde-client") {
        return RunDdeClient(Argument(argc, argv, 2, 0), Argument(argc, argv, 3, 1));
    }
    Package package{argc > 2 ? argv[2] : ""};
    bool ok = false;
    if (storm == "copydata") {
        ok = CopyDataStorm(package, Argument(argc, argv, 3, 4096));
    } else if (storm == "dde") {
        ok = DdeStorm(package, Argument(argc, argv, 3, 100000), Argument(argc, argv, 4, 4));
    } else if (storm == "raw") {
        ok = RawDdeStorm(package, Argument(argc, argv, 3, 10000));
    } else if (storm == "cycles") {
        ok = InstallCycles(package, Argument(argc, argv, 3, 200));
    } else if (storm == "restarts") {
        ok = TaskbarRestarts(package, Argument(argc, argv, 3, 20));
    } else if (storm == "soak") {
        SoakSchedule schedule;
        schedule.minutes = Argument(argc, argv, 3, schedule.minutes);
        schedule.cycleEvery = Argument(argc, argv, 4, schedule.cycleEvery);
        schedule.restartEvery = Argument(argc, argv, 5, schedule.restartEvery);
        schedule.flatFrom = Argument(argc, argv, 6, schedule.flatFrom);
        ok = Soak(package, schedule);
    } else {
        std::fprintf(stderr, "usage: storm copydata|dde|raw|cycles|restarts|soak <package> [count] [clients]\n");
        return 2;
    }
    return ok ? 0 : 1;
}
