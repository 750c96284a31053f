// Decitray.exe: a windowed program without a console or a visible window.
#include "decitray/Decitray.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return RunDecitray(instance);
}
