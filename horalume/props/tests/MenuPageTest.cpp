#include "horalume/props/MenuPage.h"
#include "horalume/props/tests/OptionPagesFixture.h"
#include "resources/horalume/HoralumeResources.h"

namespace {

class MenuPage : public OptionPageFixture {
protected:
    std::uint32_t ItemData(int id, int index) const
    {
        return static_cast<std::uint32_t>(SendMessageA(Control(id), CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
    }
};

TEST_F(MenuPage, BothListsOfferTheFiveActionsWithTheirCommands)
{
    OpenPage(IDD_MENU_PAGE);
    const struct {
        const char* text;
        std::uint32_t command;
    } actions[] = {{"Windows default", 0},
                   {"Do nothing", 0xFFFF},
                   {"Horalume Properties", 0x9999},
                   {"Calendar", 0x9995},
                   {"Copy", 0x9996}};
    for (int id : {IDC_CLICK_COMMAND, IDC_DBLCLICK_COMMAND}) {
        ASSERT_EQ(SendMessageA(Control(id), CB_GETCOUNT, 0, 0), 5);
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(Entry(id, i), actions[i].text);
            EXPECT_EQ(ItemData(id, i), actions[i].command);
        }
    }
    EXPECT_EQ(Entry(IDC_CLICK_COMMAND, Selected(IDC_CLICK_COMMAND)), "Calendar");
    EXPECT_EQ(Entry(IDC_DBLCLICK_COMMAND, Selected(IDC_DBLCLICK_COMMAND)), "Copy");

    Select(IDC_CLICK_COMMAND, 2);
    EXPECT_EQ(LastPush().clickCommand, 0x9999u);
    Select(IDC_DBLCLICK_COMMAND, 1);
    EXPECT_EQ(LastPush().dblClickCommand, 0xFFFFu);
    EXPECT_EQ(LastPush().clickCommand, 0x9999u);
}

TEST_F(MenuPage, UnknownStoredCommandShowsWindowsDefaultAndStaysUntilPicked)
{
    Record().clickCommand = 1;
    OpenPage(IDD_MENU_PAGE);
    EXPECT_EQ(Selected(IDC_CLICK_COMMAND), 0);
    EXPECT_EQ(Text(IDC_CLICK_COMMAND), "Windows default");

    Select(IDC_DBLCLICK_COMMAND, 3);
    Click(IDC_FANCY_BANNER);
    EXPECT_EQ(LastPush().clickCommand, 1u);

    Select(IDC_CLICK_COMMAND, 0);
    EXPECT_EQ(LastPush().clickCommand, 0u);
}

TEST_F(MenuPage, BoothModeGreysTheBannerWithoutChangingFancyBanner)
{
    ASSERT_TRUE(Flag(DisplayFlag::FancyBanner)); // set by default
    OpenPage(IDD_MENU_PAGE);
    EXPECT_TRUE(IsOn(IDC_FANCY_BANNER));
    EXPECT_TRUE(IsEnabled(IDC_FANCY_BANNER));
    EXPECT_FALSE(IsOn(IDC_BOOTH_MODE));

    Click(IDC_BOOTH_MODE);
    EXPECT_TRUE(PushedFlag(DisplayFlag::BoothMode));
    EXPECT_TRUE(PushedFlag(DisplayFlag::FancyBanner));
    EXPECT_FALSE(IsOn(IDC_FANCY_BANNER));
    EXPECT_FALSE(IsEnabled(IDC_FANCY_BANNER));

    Click(IDC_BOOTH_MODE);
    EXPECT_FALSE(PushedFlag(DisplayFlag::BoothMode));
    EXPECT_TRUE(IsOn(IDC_FANCY_BANNER));
    EXPECT_TRUE(IsEnabled(IDC_FANCY_BANNER));

    Click(IDC_FANCY_BANNER);
    EXPECT_FALSE(PushedFlag(DisplayFlag::FancyBanner));
    Click(IDC_BOOTH_MODE);
    Click(IDC_BOOTH_MODE);
    EXPECT_FALSE(IsOn(IDC_FANCY_BANNER)); // the stored value, off
}

TEST_F(MenuPage, StoredBoothModeOpensWithTheBannerGrey)
{
    Record().displayFlags |= DisplayFlag::BoothMode;
    OpenPage(IDD_MENU_PAGE);
    EXPECT_TRUE(IsOn(IDC_BOOTH_MODE));
    EXPECT_FALSE(IsOn(IDC_FANCY_BANNER));
    EXPECT_FALSE(IsEnabled(IDC_FANCY_BANNER));
    EXPECT_TRUE(Flag(DisplayFlag::FancyBanner));
}

TEST_F(MenuPage, NewItemsAtTheTopIsTheInverseOfNewItemsAtBottom)
{
    ASSERT_TRUE(Flag(DisplayFlag::NewItemsAtBottom)); // set by default
    OpenPage(IDD_MENU_PAGE);
    EXPECT_FALSE(IsOn(IDC_NEW_ITEMS_AT_TOP));
    Click(IDC_NEW_ITEMS_AT_TOP);
    EXPECT_FALSE(PushedFlag(DisplayFlag::NewItemsAtBottom));
    Click(IDC_NEW_ITEMS_AT_TOP);
    EXPECT_TRUE(PushedFlag(DisplayFlag::NewItemsAtBottom));
}

} // namespace
