#include "horalume/props/tests/PageFixture.h"
#include "resources/horalume/HoralumeResources.h"

namespace {

class TooltipCopyPage : public PageFixture {
protected:
    void SetUp() override
    {
        PageFixture::SetUp();
        ClockSettings& settings = Record();
        // The defaults copy the clock format and keep the tooltip up.
        settings.displayFlags &= ~(DisplayFlag::CopySameAsClock | DisplayFlag::TooltipStays);
        lstrcpyA(settings.clockFormatString, "HH:mm");
        lstrcpyA(settings.tooltipFormatString, "dddd");
        lstrcpyA(settings.copyFormatString, "yyyy-MM-dd");
    }

    bool TooltipControlsEnabled() const
    {
        return IsEnabled(IDC_TOOLTIP_FORMAT) && IsEnabled(IDC_TOOLTIP_FORMAT_ELEMENTS) && IsEnabled(IDC_TOOLTIP_STAYS);
    }
    bool TooltipControlsDisabled() const
    {
        return !IsEnabled(IDC_TOOLTIP_FORMAT) && !IsEnabled(IDC_TOOLTIP_FORMAT_ELEMENTS) &&
               !IsEnabled(IDC_TOOLTIP_STAYS);
    }
};

TEST_F(TooltipCopyPage, ShowsTheRecord)
{
    Record().displayFlags |= DisplayFlag::CustomTooltip | DisplayFlag::TooltipStays;
    OpenPage(IDD_TOOLTIP_COPY_PAGE);
    EXPECT_EQ(Text(IDC_TOOLTIP_FORMAT), "dddd");
    EXPECT_EQ(Text(IDC_COPY_FORMAT), "yyyy-MM-dd");
    EXPECT_TRUE(IsOn(IDC_CUSTOM_TOOLTIP));
    EXPECT_TRUE(IsOn(IDC_TOOLTIP_STAYS));
    EXPECT_TRUE(TooltipControlsEnabled());
    EXPECT_TRUE(IsOn(IDC_COPY_CUSTOM));
    EXPECT_TRUE(IsEnabled(IDC_COPY_FORMAT));
    EXPECT_TRUE(IsEnabled(IDC_COPY_FORMAT_ELEMENTS));
    for (int box : {IDC_TOOLTIP_FORMAT, IDC_COPY_FORMAT}) {
        EXPECT_EQ(SendMessageA(Control(box), EM_GETLIMITTEXT, 0, 0), 119);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(Control(box), WM_GETFONT, 0, 0)), state_.fonts.formatEdit.Get());
    }
}

TEST_F(TooltipCopyPage, CustomizeOffGreysTheTooltipButKeepsItsValues)
{
    Record().displayFlags |= DisplayFlag::CustomTooltip | DisplayFlag::TooltipStays;
    OpenPage(IDD_TOOLTIP_COPY_PAGE);

    Click(IDC_CUSTOM_TOOLTIP);
    EXPECT_FALSE(PushedFlag(DisplayFlag::CustomTooltip));
    EXPECT_TRUE(PushedFlag(DisplayFlag::TooltipStays));
    EXPECT_STREQ(LastPush().tooltipFormatString, "dddd");
    EXPECT_TRUE(TooltipControlsDisabled());
    EXPECT_TRUE(IsOn(IDC_TOOLTIP_STAYS));

    Click(IDC_CUSTOM_TOOLTIP);
    EXPECT_TRUE(PushedFlag(DisplayFlag::CustomTooltip));
    EXPECT_TRUE(TooltipControlsEnabled());
}

TEST_F(TooltipCopyPage, TooltipEditsArePushed)
{
    Record().displayFlags |= DisplayFlag::CustomTooltip;
    OpenPage(IDD_TOOLTIP_COPY_PAGE);
    Type(IDC_TOOLTIP_FORMAT, "");
    EXPECT_STREQ(LastPush().tooltipFormatString, ""); // pushed like any other
    Type(IDC_TOOLTIP_FORMAT, "dddd|HH:mm");
    EXPECT_STREQ(LastPush().tooltipFormatString, "dddd|HH:mm");

    Click(IDC_TOOLTIP_STAYS);
    EXPECT_TRUE(PushedFlag(DisplayFlag::TooltipStays));
    Click(IDC_TOOLTIP_STAYS);
    EXPECT_FALSE(PushedFlag(DisplayFlag::TooltipStays));
}

TEST_F(TooltipCopyPage, OtherFormatsShownInTheCopyBoxNeverReplaceTheCopyFormat)
{
    OpenPage(IDD_TOOLTIP_COPY_PAGE);

    Click(IDC_COPY_SAME_AS_CLOCK);
    EXPECT_EQ(Text(IDC_COPY_FORMAT), "HH:mm");
    EXPECT_FALSE(IsEnabled(IDC_COPY_FORMAT));
    EXPECT_FALSE(IsEnabled(IDC_COPY_FORMAT_ELEMENTS));
    EXPECT_TRUE(PushedFlag(DisplayFlag::CopySameAsClock));
    EXPECT_STREQ(LastPush().copyFormatString, "yyyy-MM-dd");

    Click(IDC_COPY_SAME_AS_TOOLTIP);
    EXPECT_EQ(Text(IDC_COPY_FORMAT), "dddd");
    EXPECT_FALSE(PushedFlag(DisplayFlag::CopySameAsClock));
    EXPECT_TRUE(PushedFlag(DisplayFlag::CopySameAsTooltip));
    EXPECT_STREQ(LastPush().copyFormatString, "yyyy-MM-dd");

    // Text arriving in the disabled box is neither stored nor pushed.
    const std::size_t pushes = Pushes().size();
    Type(IDC_COPY_FORMAT, "typed while disabled");
    EXPECT_EQ(Pushes().size(), pushes);
    EXPECT_STREQ(Record().copyFormatString, "yyyy-MM-dd");

    Click(IDC_COPY_CUSTOM);
    EXPECT_EQ(Text(IDC_COPY_FORMAT), "yyyy-MM-dd");
    EXPECT_TRUE(IsEnabled(IDC_COPY_FORMAT));
    EXPECT_FALSE(PushedFlag(DisplayFlag::CopySameAsClock));
    EXPECT_FALSE(PushedFlag(DisplayFlag::CopySameAsTooltip));

    Type(IDC_COPY_FORMAT, "d.M.yy");
    EXPECT_STREQ(LastPush().copyFormatString, "d.M.yy");
}

TEST_F(TooltipCopyPage, BothCopyFlagsFromTheRegistryShowTheClockFormat)
{
    Record().displayFlags |= DisplayFlag::CopySameAsClock | DisplayFlag::CopySameAsTooltip;
    OpenPage(IDD_TOOLTIP_COPY_PAGE);
    // Whether "Same as tooltip" shows as on too is the system's business.
    EXPECT_TRUE(IsOn(IDC_COPY_SAME_AS_CLOCK));
    EXPECT_FALSE(IsOn(IDC_COPY_CUSTOM));
    EXPECT_EQ(Text(IDC_COPY_FORMAT), "HH:mm");
    EXPECT_STREQ(Record().copyFormatString, "yyyy-MM-dd");

    Click(IDC_COPY_SAME_AS_TOOLTIP);
    EXPECT_FALSE(PushedFlag(DisplayFlag::CopySameAsClock));
    EXPECT_TRUE(PushedFlag(DisplayFlag::CopySameAsTooltip));
    EXPECT_FALSE(IsOn(IDC_COPY_SAME_AS_CLOCK));
}

TEST_F(TooltipCopyPage, PickersEditTheirOwnBoxes)
{
    struct Popup {
        static BOOL WINAPI ChooseHours(HMENU, UINT, int, int, HWND, LPTPMPARAMS) { return 6022; }
    };
    state_.choosers.trackMenu = Popup::ChooseHours;
    Record().displayFlags |= DisplayFlag::CustomTooltip;
    OpenPage(IDD_TOOLTIP_COPY_PAGE);

    SendMessageA(Control(IDC_TOOLTIP_FORMAT), EM_SETSEL, 4, 4);
    Click(IDC_TOOLTIP_FORMAT_ELEMENTS);
    EXPECT_STREQ(LastPush().tooltipFormatString, "ddddHH");
    EXPECT_EQ(GetFocus(), Control(IDC_TOOLTIP_FORMAT));

    SendMessageA(Control(IDC_COPY_FORMAT), EM_SETSEL, 0, 0);
    Click(IDC_COPY_FORMAT_ELEMENTS);
    EXPECT_STREQ(LastPush().copyFormatString, "HHyyyy-MM-dd");
    EXPECT_EQ(GetFocus(), Control(IDC_COPY_FORMAT));
}

} // namespace
