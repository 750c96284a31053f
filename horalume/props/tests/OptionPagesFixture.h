// The Advanced, Calendar and Menu pages in the test's own process, with the
// clock component's removal stood in for.
#pragma once

#include "horalume/props/AdvancedPage.h"
#include "horalume/props/tests/PageFixture.h"

#include <string>

class OptionPageFixture : public PageFixture {
protected:
    // Records the removals that the Exit button asks for.
    static inline int removals = 0;

    void SetUp() override
    {
        PageFixture::SetUp();
        removals = 0;
        state_.removeComponent = [] {
            ++removals;
            return true;
        };
    }

    // Windows 95/98 with the resource meter library: no warning box.
    void RunOnWindows9x()
    {
        state_.system.isNT = false;
        state_.system.rsrc32Available = true;
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
