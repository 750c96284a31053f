// The Advanced, Calendar and Menu pages in the test's own process, with the
// clock component's removal stood in for.
#pragma once

#include <string>

#include "AdvancedPage.h"
#include "PageFixture.h"

class OptionPageFixture : public PageFixture {
protected:
    // Records the removals that the Exit button asks for.
    static inline int removals = 0;
    static bool HookClockStandIn(bool install)
    {
        if (!install) {
            ++removals;
        }
        return true;
    }

    void SetUp() override
    {
        PageFixture::SetUp();
        g_loader.autostart = false;
        g_loader.appletPresent = false;
        g_loader.appletEnabled = false;
        g_loader.okDone = false;
        g_loader.cancelDone = false;
        removals = 0;
        g_hookClock = HookClockStandIn;
    }

    // Windows 95/98 with the resource meter library: no warning box.
    static void RunOnWindows9x()
    {
        g_loader.isNT = false;
        g_loader.rsrc32Available = true;
    }

    // Picks an entry of a drop-down list as the user does.
    void Select(int id, int index) const
    {
        SendMessageA(Control(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageA(page_, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Control(id)));
    }

    int Selected(int id) const { return static_cast<int>(SendMessageA(Control(id), CB_GETCURSEL, 0, 0)); }

    std::string Entry(int id, int index) const
    {
        char text[256] = "";
        if (SendMessageA(Control(id), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0) <
            static_cast<LRESULT>(sizeof text)) {
            SendMessageA(Control(id), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
        }
        return text;
    }

    // The sheet's OK or Cancel as the page receives it.
    void Notify(UINT code) const
    {
        NMHDR header{};
        header.hwndFrom = sheet_;
        header.code = code;
        SendMessageA(page_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
    }
};
