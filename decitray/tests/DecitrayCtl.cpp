// Drives a running Decitray from outside, for screenshots and demos:
//   decitray_ctl.exe menu    the tray menu, as a right click on the icon opens it
//   decitray_ctl.exe about   the About dialog
//   decitray_ctl.exe close   "&Close Decitray"
#include "resources/decitray/resource.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    HWND main = FindWindowA("Decitray", "Decitray");
    if (argc < 2 || !main) {
        std::puts(main ? "usage: decitray_ctl menu|about|close" : "Decitray is not running");
        return 1;
    }
    if (std::strcmp(argv[1], "menu") == 0) {
        PostMessageA(main, WM_APP + 10, IDI_TRAY, WM_RBUTTONUP);
    } else if (std::strcmp(argv[1], "about") == 0) {
        PostMessageA(main, WM_COMMAND, IDM_ABOUT, 0);
    } else if (std::strcmp(argv[1], "close") == 0) {
        PostMessageA(main, WM_COMMAND, IDM_EXIT, 0);
    } else {
        return 1;
    }
    return 0;
}
