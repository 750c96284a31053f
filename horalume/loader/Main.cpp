// Horalume.exe: installs the clock component into the taskbar clock and shows
// its properties; with /U removes it.
#include "horalume/loader/StartUp.h"

#include <windows.h>

#include <cstdlib>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return RunHoralume(instance, __argc, __argv);
}
