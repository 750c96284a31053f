#include "resources/horalume/formatmenu.h"
#include "horalume/props/tests/EditBoxModel.h"
#include "horalume/props/tests/PageFixture.h"
#include "resources/horalume/HoralumeResources.h"
#include "win32/Win32Handles.h"

#include <cstring>

namespace {

// Stands for the popup: notes what it was given and answers with one item.
struct Popup {
    static inline int choice = 0;
    static inline int itemCount = 0;
    static inline UINT flags = 0;
    static inline HWND owner = nullptr;

    static BOOL WINAPI Track(HMENU menu, UINT trackFlags, int, int, HWND trackOwner, LPTPMPARAMS)
    {
        itemCount = GetMenuItemCount(menu);
        flags = trackFlags;
        owner = trackOwner;
        return choice;
    }
};

class FormatMenu : public PageFixture {
protected:
    void SetUp() override
    {
        PageFixture::SetUp();
        state_.choosers.trackMenu = Popup::Track;
        OpenPage(IDD_CLOCK_PAGE);
    }

    // The clock format box after choosing an item with the given text and selection.
    std::string Pick(int item, const char* text, int selStart, int selEnd)
    {
        Type(IDC_CLOCK_FORMAT, text);
        SendMessageA(Control(IDC_CLOCK_FORMAT), EM_SETSEL, selStart, selEnd);
        Popup::choice = item;
        Click(IDC_CLOCK_FORMAT_ELEMENTS);
        return Text(IDC_CLOCK_FORMAT);
    }

    std::pair<int, int> Selection()
    {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageA(Control(IDC_CLOCK_FORMAT), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        return {static_cast<int>(start), static_cast<int>(end)};
    }

    std::string ItemString(int id) const
    {
        char text[128] = "";
        LoadStringA(state_.instance, id, text, sizeof text);
        return text;
    }
};

TEST_F(FormatMenu, PickedItemGoesInAtTheCaretAndIsPushed)
{
    EXPECT_EQ(Pick(IDM_SAMPLEDATE1, "HH:mm|MMMM", 6, 6), "HH:mm|ddd, d MMM yyyyMMMM");
    EXPECT_EQ(Popup::flags, static_cast<UINT>(TPM_RETURNCMD));
    EXPECT_EQ(Popup::owner, page_);
    EXPECT_EQ(Popup::itemCount, 16);
    EXPECT_EQ(GetFocus(), Control(IDC_CLOCK_FORMAT));
    EXPECT_STREQ(LastPush().clockFormatString, "HH:mm|ddd, d MMM yyyyMMMM");
    EXPECT_STREQ(Record().clockFormatString, "HH:mm|ddd, d MMM yyyyMMMM");
}

TEST_F(FormatMenu, DismissedMenuStillPushes)
{
    EXPECT_EQ(Pick(0, "HH:mm", 2, 2), "HH:mm");
    Pushes().clear();
    Popup::choice = 0;
    Click(IDC_CLOCK_FORMAT_ELEMENTS);
    EXPECT_EQ(Pushes().size(), 1u);
}

TEST_F(FormatMenu, InsertionsCanBeUndoneButWrappingCannot)
{
    HWND box = Control(IDC_CLOCK_FORMAT);
    EXPECT_EQ(Pick(IDM_SECOND2, "HH:mm:", 6, 6), "HH:mm:ss");
    ASSERT_TRUE(SendMessageA(box, EM_CANUNDO, 0, 0));
    SendMessageA(box, EM_UNDO, 0, 0);
    EXPECT_EQ(Text(IDC_CLOCK_FORMAT), "HH:mm:");

    EXPECT_EQ(Pick(IDM_LITERALTEXT, "HH:mm", 5, 5), "HH:mm''");
    EXPECT_EQ(Selection(), std::make_pair(6, 6));
    EXPECT_FALSE(SendMessageA(box, EM_CANUNDO, 0, 0));

    EXPECT_EQ(Pick(IDM_USERELEMENT, "HH:mm ss", 6, 8), "HH:mm %ss%");
    EXPECT_EQ(Selection(), std::make_pair(7, 7));
}

// Decitray's elements are offered by name, so no one has to know their codes.
TEST_F(FormatMenu, DecimalClockAndDateAreOfferedByName)
{
    const UniqueMenu menu(LoadMenuA(state_.instance, MAKEINTRESOURCEA(IDR_FORMATMENU)));
    ASSERT_TRUE(menu);
    HMENU popup = GetSubMenu(menu.Get(), 0);
    std::string inserted = "HH:mm|";
    for (const char* label : {"Decimal Clock\t%DC%", "Decimal Date\t%DD%"}) {
        int id = 0;
        for (int i = 0; i < GetMenuItemCount(popup); ++i) {
            char text[128] = "";
            GetMenuStringA(popup, i, text, sizeof text, MF_BYPOSITION);
            id = std::strcmp(text, label) == 0 ? static_cast<int>(GetMenuItemID(popup, i)) : id;
        }
        ASSERT_NE(id, 0) << label;
        inserted = Pick(id, inserted.c_str(), static_cast<int>(inserted.size()), static_cast<int>(inserted.size()));
    }
    EXPECT_EQ(inserted, "HH:mm|%DC%%DD%");
}

// The real box does what the model the portable tests use says it does.
TEST_F(FormatMenu, EditBoxAgreesWithTheModel)
{
    const std::string full(119, 'H');
    const struct {
        int item;
        std::string text;
        int selStart;
        int selEnd;
    } cases[] = {
        {IDM_ALIGNRIGHT, "ddd|HH:mm", 6, 6},
        {IDM_ALIGNLEFT, "ddd|>HH:mm", 6, 6},
        {IDM_CENTRED, "ddd|<HH:mm", 6, 6},
        {IDM_ALIGNLEFT, "ddd|HH:mm", 2, 2},
        {IDM_ALIGNRIGHT, "ddd|HH:mm", 1, 6},
        {IDM_SAMPLEDATE3, "HH", 0, 2},
        {IDM_SAMPLEDATE1, full, 119, 119},
        {IDM_YEAR4, std::string(117, 'H'), 0, 0},
        {IDM_MINUTE2, full, 0, 2},
        {IDM_ALIGNLEFT, full, 5, 5},
        {IDM_LITERALTEXT, std::string(118, 'H'), 3, 3},
    };
    for (const auto& c : cases) {
        EditBoxModel model{c.text, c.selStart, c.selEnd};
        model.Apply(FormatMenuEdits(c.item, c.text, c.selStart, c.selEnd, ItemString(c.item)));
        EXPECT_EQ(Pick(c.item, c.text.c_str(), c.selStart, c.selEnd), model.text) << c.item << " on " << c.text;
        EXPECT_EQ(Selection().second, model.selEnd) << c.item << " on " << c.text;
    }
}

TEST_F(FormatMenu, EveryInsertingItemHasItsString)
{
    const UniqueMenu menu(LoadMenuA(state_.instance, MAKEINTRESOURCEA(IDR_FORMATMENU)));
    ASSERT_TRUE(menu);
    int commands = 0;
    // Walks the popup and its submenus.
    std::vector<HMENU> pending{GetSubMenu(menu.Get(), 0)};
    while (!pending.empty()) {
        HMENU popup = pending.back();
        pending.pop_back();
        for (int i = 0; i < GetMenuItemCount(popup); ++i) {
            if (HMENU sub = GetSubMenu(popup, i)) {
                pending.push_back(sub);
                continue;
            }
            const UINT id = GetMenuItemID(popup, i);
            if (id == 0) {
                continue; // separator
            }
            ++commands;
            const std::string inserted = ItemString(id);
            if (id == IDM_USERELEMENT || id == IDM_CENTRED) {
                EXPECT_EQ(inserted, "") << id;
                continue;
            }
            EXPECT_NE(inserted, "") << id;
            // A single code shows after a tab what it inserts.
            char label[128] = "";
            GetMenuStringA(popup, i, label, sizeof label, MF_BYPOSITION);
            const char* tab = std::strchr(label, '\t');
            if (tab != nullptr && id != IDM_LITERALTEXT) {
                EXPECT_EQ(tab + 1, inserted) << id;
            }
        }
    }
    EXPECT_EQ(commands, 12 + 4 + 16 + 13 + 7 + 3 + 6);
}

class FormatMenuGreying : public PageFixture {
protected:
    void SetUp() override
    {
        PageFixture::SetUp();
        OpenPage(IDD_CLOCK_PAGE);
        menu_.Reset(LoadMenuA(state_.instance, MAKEINTRESOURCEA(IDR_FORMATMENU)));
        ASSERT_TRUE(menu_);
    }

    // Greyed items of the meters and the samples, after WM_INITMENU on the page.
    std::string GreyedAfterInitMenu(bool isNT, bool rsrc32Available)
    {
        state_.system.isNT = isNT;
        state_.system.rsrc32Available = rsrc32Available;
        SendMessageA(page_, WM_INITMENU, reinterpret_cast<WPARAM>(menu_.Get()), 0);
        std::string greyed;
        for (UINT id : {IDM_SYSTEMRESOURCES, IDM_USERRESOURCES, IDM_GDIRESOURCES, IDM_CPUUSAGE, IDM_SAMPLERAM,
                        IDM_SAMPLERESOURCES, IDM_SAMPLECPU}) {
            greyed += (GetMenuState(menu_.Get(), id, MF_BYCOMMAND) & MF_GRAYED) ? 'x' : '.';
        }
        return greyed;
    }

    UniqueMenu menu_;
};

TEST_F(FormatMenuGreying, WindowsNtGreysTheMetersAndCpu)
{
    EXPECT_EQ(GreyedAfterInitMenu(true, false), "xxxx...");
}

TEST_F(FormatMenuGreying, Windows98WithoutResourceMeterGreysOnlyTheMeters)
{
    EXPECT_EQ(GreyedAfterInitMenu(false, false), "xxx....");
}

TEST_F(FormatMenuGreying, Windows98WithResourceMeterChangesNothing)
{
    EXPECT_EQ(GreyedAfterInitMenu(false, true), ".......");
    EnableMenuItem(menu_.Get(), IDM_CPUUSAGE, MF_BYCOMMAND | MF_GRAYED);
    EXPECT_EQ(GreyedAfterInitMenu(false, true), "...x...");
    // Without the meter, CPU Usage is enabled again on Windows 98.
    EXPECT_EQ(GreyedAfterInitMenu(false, false), "xxx....");
}

} // namespace
