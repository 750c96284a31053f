#include "horalume/props/tests/PageFixture.h"
#include "resources/horalume/HoralumeResources.h"
#include "win32/Win32Handles.h"

#include <cstring>

namespace {

LOGFONTA Font(const char* face, LONG height, LONG weight)
{
    LOGFONTA font{};
    lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
    font.lfHeight = height;
    font.lfWeight = weight;
    return font;
}

class ClockPage : public PageFixture {
protected:
    int ClockPixelsPerInch() const { return GetDeviceCaps(WindowDC(clock_).Get(), LOGPIXELSY); }
};

TEST_F(ClockPage, ShowsTheRecord)
{
    Record().displayFlags |= DisplayFlag::FixedWidthOn | DisplayFlag::CustomColours;
    Record().fixedWidth = 4321;
    OpenPage(IDD_CLOCK_PAGE);

    EXPECT_EQ(Text(IDC_CLOCK_FORMAT), "ddd, d MMM yyyy  HH:mm:ss");
    EXPECT_EQ(Text(IDC_FIXED_WIDTH), "4321");
    EXPECT_TRUE(IsOn(IDC_FIXED_WIDTH_ON));
    EXPECT_TRUE(IsEnabled(IDC_FIXED_WIDTH));
    EXPECT_FALSE(IsOn(IDC_DEFAULT_COLOURS));
    EXPECT_TRUE(IsOn(IDC_DEFAULT_FONT));
    EXPECT_EQ(SendMessageA(Control(IDC_CLOCK_FORMAT), EM_GETLIMITTEXT, 0, 0), 119);
    EXPECT_EQ(SendMessageA(Control(IDC_FIXED_WIDTH), EM_GETLIMITTEXT, 0, 0), 5);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(Control(IDC_CLOCK_FORMAT), WM_GETFONT, 0, 0)),
              state_.fonts.formatEdit.Get());
}

TEST_F(ClockPage, WidthBoxFollowsFixedWidth)
{
    OpenPage(IDD_CLOCK_PAGE);
    EXPECT_FALSE(IsEnabled(IDC_FIXED_WIDTH));

    Click(IDC_FIXED_WIDTH_ON);
    EXPECT_TRUE(IsEnabled(IDC_FIXED_WIDTH));
    EXPECT_TRUE(PushedFlag(DisplayFlag::FixedWidthOn));

    Click(IDC_FIXED_WIDTH_ON);
    EXPECT_FALSE(IsEnabled(IDC_FIXED_WIDTH));
    EXPECT_FALSE(PushedFlag(DisplayFlag::FixedWidthOn));
}

TEST_F(ClockPage, TypingPushesFormatAndWidth)
{
    OpenPage(IDD_CLOCK_PAGE);
    Type(IDC_CLOCK_FORMAT, "HH:mm|%DC%");
    EXPECT_STREQ(LastPush().clockFormatString, "HH:mm|%DC%");

    Type(IDC_FIXED_WIDTH, "250");
    EXPECT_EQ(LastPush().fixedWidth, 250);
    Type(IDC_FIXED_WIDTH, "");
    EXPECT_EQ(LastPush().fixedWidth, 0);
    Type(IDC_FIXED_WIDTH, "99999");
    EXPECT_EQ(LastPush().fixedWidth, 99999);
}

TEST_F(ClockPage, ChoosingAColourSwitchesToCustomColours)
{
    OpenPage(IDD_CLOCK_PAGE);
    ASSERT_TRUE(IsOn(IDC_DEFAULT_COLOURS));

    ColourDialog::choice = RGB(1, 2, 3);
    Click(IDC_TEXT_COLOUR);
    EXPECT_EQ(ColourDialog::title, "Text Colour");
    EXPECT_EQ(ColourDialog::seen.rgbResult, 0x0080FF80u);
    EXPECT_EQ(LastPush().foregroundColor, RGB(1, 2, 3));
    EXPECT_TRUE(PushedFlag(DisplayFlag::CustomColours));
    EXPECT_FALSE(IsOn(IDC_DEFAULT_COLOURS));

    ColourDialog::choice = RGB(9, 8, 7);
    Click(IDC_BACKGROUND_COLOUR);
    EXPECT_EQ(ColourDialog::title, "Background Colour");
    EXPECT_EQ(LastPush().backgroundColor, RGB(9, 8, 7));
    EXPECT_EQ(LastPush().foregroundColor, RGB(1, 2, 3));

    Click(IDC_DEFAULT_COLOURS);
    EXPECT_FALSE(PushedFlag(DisplayFlag::CustomColours));
    EXPECT_EQ(LastPush().backgroundColor, RGB(9, 8, 7)); // kept for the next switch
}

TEST_F(ClockPage, CancelledColourChangesAndPushesNothing)
{
    OpenPage(IDD_CLOCK_PAGE);
    ColourDialog::pressOk = false;
    Click(IDC_TEXT_COLOUR);
    Click(IDC_BACKGROUND_COLOUR);
    EXPECT_EQ(ColourDialog::shown, 2);
    EXPECT_TRUE(Pushes().empty());
    EXPECT_TRUE(IsOn(IDC_DEFAULT_COLOURS));
    EXPECT_FALSE(Flag(DisplayFlag::CustomColours));
    EXPECT_EQ(Record().foregroundColor, 0x0080FF80u);
}

TEST_F(ClockPage, ChoosingAFontSwitchesToCustomFontAndDescribesIt)
{
    const LOGFONTA stored = Font("Stored Face", -20, 400);
    std::memcpy(&Record().customFont, &stored, sizeof stored);
    OpenPage(IDD_CLOCK_PAGE);

    FontDialog::choice = Font("Courier New", -MulDiv(14, ClockPixelsPerInch(), 72), 700);
    FontDialog::choice.lfItalic = 1;
    Click(IDC_CLOCK_FONT);
    EXPECT_EQ(FontDialog::title, "Clock Font");
    EXPECT_STREQ(FontDialog::started.lfFaceName, "Stored Face"); // even while the default font is on
    EXPECT_EQ(FontDialog::flags, 0x10049u);
    EXPECT_STREQ(LastPush().customFont.faceName, "Courier New");
    EXPECT_TRUE(PushedFlag(DisplayFlag::CustomClockFont));
    EXPECT_FALSE(IsOn(IDC_DEFAULT_FONT));
    EXPECT_EQ(Text(IDC_CLOCK_FONT_DESCRIPTION), "Courier New\n14pt bold italic");
}

TEST_F(ClockPage, CancelledFontChangesAndPushesNothing)
{
    OpenPage(IDD_CLOCK_PAGE);
    const std::string description = Text(IDC_CLOCK_FONT_DESCRIPTION);
    FontDialog::pressOk = false;
    Record().customFont.height = -13;
    Click(IDC_CLOCK_FONT);
    EXPECT_EQ(FontDialog::shown, 1);
    EXPECT_TRUE(Pushes().empty());
    EXPECT_EQ(Record().customFont.height, -13);
    EXPECT_TRUE(IsOn(IDC_DEFAULT_FONT));
    EXPECT_EQ(Text(IDC_CLOCK_FONT_DESCRIPTION), description);
}

TEST_F(ClockPage, DefaultFontIsDescribedAsTheMenuFont)
{
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    OpenPage(IDD_CLOCK_PAGE);
    EXPECT_EQ(Text(IDC_CLOCK_FONT_DESCRIPTION).rfind(std::string(metrics.lfMenuFont.lfFaceName) + "\n", 0), 0u);

    // The all-zero stored font has no face and no size.
    Click(IDC_DEFAULT_FONT);
    EXPECT_TRUE(PushedFlag(DisplayFlag::CustomClockFont));
    EXPECT_EQ(Text(IDC_CLOCK_FONT_DESCRIPTION), "\n0pt");

    Click(IDC_DEFAULT_FONT);
    EXPECT_FALSE(PushedFlag(DisplayFlag::CustomClockFont));
    EXPECT_EQ(Text(IDC_CLOCK_FONT_DESCRIPTION).rfind(std::string(metrics.lfMenuFont.lfFaceName) + "\n", 0), 0u);
}

TEST_F(ClockPage, UnhandledControlsAreLeftToTheSystem)
{
    OpenPage(IDD_CLOCK_PAGE);
    EXPECT_EQ(BoundPage().OnCommand(page_, IDC_CLOCK_FORMAT_HINT, BN_CLICKED), PageCommand::Ignored);
    EXPECT_EQ(BoundPage().OnCommand(page_, IDC_TEXT_COLOUR, EN_CHANGE), PageCommand::Ignored);
    EXPECT_EQ(BoundPage().OnCommand(page_, IDC_CLOCK_FORMAT, EN_KILLFOCUS), PageCommand::Ignored);
    EXPECT_TRUE(Pushes().empty());
}

} // namespace
