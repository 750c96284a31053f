// English (United States), for a clock whose locale is not known.
#include "clockformat/ClockFormat.h"

const LocaleTexts& DefaultLocaleTexts()
{
    static LocaleTexts texts = [] {
        LocaleTexts t;
        const char* longDays[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
        const char* longMonths[12] = {"January", "February", "March",     "April",   "May",      "June",
                                      "July",    "August",   "September", "October", "November", "December"};
        for (int i = 0; i < 7; ++i) {
            t.longDayNames[i] = longDays[i];
            t.shortDayNames[i] = t.longDayNames[i].substr(0, 3);
        }
        for (int i = 0; i < 12; ++i) {
            t.longMonthNames[i] = longMonths[i];
            t.shortMonthNames[i] = t.longMonthNames[i].substr(0, 3);
        }
        t.amText = "AM";
        t.pmText = "PM";
        t.shortTimeFormat = "h:mm tt";
        t.longTimeFormat = "h:mm:ss tt";
        t.shortDateFormat = "M/d/yyyy";
        t.longDateFormat = "dddd, MMMM dd, yyyy";
        return t;
    }();
    return texts;
}
