// Pages whose controls have no behaviour yet: each page's own file replaces
// its functions here.
#include "Pages.h"

void InitAdvancedPage(HWND)
{
}
BOOL OnAdvancedPageCommand(HWND, int, int)
{
    return FALSE;
}

void InitCalendarPage(HWND)
{
}
BOOL OnCalendarPageCommand(HWND, int, int)
{
    return FALSE;
}

void InitMenuPage(HWND)
{
}
BOOL OnMenuPageCommand(HWND, int, int)
{
    return FALSE;
}
