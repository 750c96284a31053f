// Decimora: converts quantities and dates between decimal and standard time.
#include "decimora/ConverterDialog.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    LoadConverterControlClasses();
    ConverterDialog dialog(instance);
    dialog.RunModal(nullptr);
    // The program's work ends with its dialog; no message loop follows.
    return 0;
}
