// Tests switch the C runtime's time zone with a POSIX TZ string.
#pragma once

#include <cstdlib>
#include <ctime>

inline void UseTimeZone(const char* zone)
{
#ifdef _WIN32
    _putenv_s("TZ", zone);
    _tzset();
#else
    setenv("TZ", zone, 1);
    tzset();
#endif
}
