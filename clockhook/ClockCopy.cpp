#include "ClockCopy.h"

#include "Clipboard.h"
#include "ClockChoices.h"
#include "LocalClock.h"

#include <string>

bool CopyClockText(HWND clock, const ClockModel& model)
{
    std::string text = model.Render(CopyFormat(model.Settings()), CurrentClockMoment(), "\r\n");
    return !text.empty() && CopyTextToClipboard(clock, text);
}
