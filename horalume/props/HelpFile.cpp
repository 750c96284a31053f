#include "horalume/props/HelpFile.h"

#include "win32/WidePath.h"

#include <string>

namespace {
using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

// hhctrl.ocx is in every Windows and in Wine, but has no import library to link
// statically. It is loaded on first use and kept for the run: its windows need
// its code until they close.
HtmlHelpFunction g_htmlHelp = nullptr;
bool g_loadTried = false;

HtmlHelpFunction HtmlHelpOnDemand()
{
    if (!g_loadTried) {
        g_loadTried = true;
        if (HMODULE library = LoadLibraryW(L"hhctrl.ocx")) {
            g_htmlHelp =
                reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void (*)()>(GetProcAddress(library, "HtmlHelpW")));
        }
    }
    return g_htmlHelp;
}

// Wide, so that a folder named outside the ANSI code page still finds it.
std::wstring HelpFilePath()
{
    std::wstring path = ModulePath(nullptr);
    path.erase(path.find_last_of(L'\\') + 1);
    return path + L"HORALUME.CHM";
}
} // namespace

void ShowHelpTopic(HWND owner, DWORD context)
{
    if (HtmlHelpFunction htmlHelp = HtmlHelpOnDemand()) {
        htmlHelp(owner, HelpFilePath().c_str(), HH_HELP_CONTEXT, context);
    }
}

void ShowControlHelp(HWND control, int controlId, UINT command)
{
    if (HtmlHelpFunction htmlHelp = HtmlHelpOnDemand()) {
        DWORD topics[] = {static_cast<DWORD>(controlId), static_cast<DWORD>(controlId), 0, 0};
        const std::wstring popups = HelpFilePath() + L"::/controls.txt";
        htmlHelp(control, popups.c_str(), command, reinterpret_cast<DWORD_PTR>(topics));
    }
}

void CloseHelpWindows()
{
    // Help never shown: nothing to close, and no reason to load hhctrl.
    if (g_htmlHelp != nullptr) {
        g_htmlHelp(nullptr, nullptr, HH_CLOSE_ALL, 0);
    }
}
