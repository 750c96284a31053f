#include "clockhook/ClockCopy.h"

#include "clockhook/LocalClock.h"
#include "clockhook/model/ClockChoices.h"
#include "win32/Clipboard.h"

#include <string>

bool CopyClockText(HWND clock, const ClockModel& model)
{
    std::string text = model.Render(CopyFormat(model.Settings()), CurrentClockMoment(), "\r\n");
    return !text.empty() && CopyTextToClipboard(clock, text);
}
