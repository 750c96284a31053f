// horaset element=[value] [...]: sets user elements of the running taskbar clock.
#include "horaset/Horaset.h"

int main(int argc, char* argv[])
{
    return RunHoraset(argc, argv);
}
