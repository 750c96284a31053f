// The soak: Decitray and the component in the stand-in taskbar for a long
// while, with horaset, the properties sheet, install/remove cycles and taskbar
// restarts on a schedule; each process's resources logged every minute and
// the clock's decimal text watched for lost seconds.
#pragma once

#include "stress/storm/Storms.h"

struct SoakSchedule {
    unsigned minutes = 60;
    unsigned cycleEvery = 5;    // minutes between Horalume /U + Horalume
    unsigned restartEvery = 15; // minutes between taskbar restarts
    unsigned horasetEveryMs = 3000;
    unsigned flatFrom = 5; // the minute whose reading the later ones must stay near
};

bool Soak(const Package& package, const SoakSchedule& schedule);
