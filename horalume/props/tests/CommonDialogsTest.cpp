#include "horalume/props/CommonDialogs.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Runs the dialog's hook on a window of its own to see which caption it sets.
template <typename Chooser> std::string CaptionSetByHook(const Chooser& chooser)
{
    HWND dialog = CreateWindowA("STATIC", "untitled", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    const UINT_PTR result = chooser.lpfnHook(dialog, WM_INITDIALOG, 0, reinterpret_cast<LPARAM>(&chooser));
    EXPECT_EQ(result, 0u);
    char caption[64] = "";
    GetWindowTextA(dialog, caption, sizeof caption);
    DestroyWindow(dialog);
    return caption;
}

struct ColourDialog {
    static inline CHOOSECOLORA seen{};
    static inline std::string caption;
    static inline BOOL answer = TRUE;

    static BOOL WINAPI Show(CHOOSECOLORA* chooser)
    {
        seen = *chooser;
        caption = CaptionSetByHook(*chooser);
        chooser->lpCustColors[3] += 1; // the user adds a custom colour
        chooser->rgbResult = RGB(10, 20, 30);
        return answer;
    }
};

TEST(PickColour, OpensTheDialogTitledAndSharingCustomColours)
{
    PageChoosers choosers;
    choosers.chooseColour = ColourDialog::Show;
    ColourDialog::answer = TRUE;
    HWND owner = GetDesktopWindow();
    EXPECT_EQ(PickColour(choosers, owner, RGB(1, 2, 3), "Text Colour"), RGB(10, 20, 30));
    EXPECT_EQ(ColourDialog::seen.hwndOwner, owner);
    EXPECT_EQ(ColourDialog::seen.rgbResult, RGB(1, 2, 3));
    EXPECT_EQ(ColourDialog::seen.Flags, 0x11u);
    EXPECT_EQ(ColourDialog::seen.hInstance, nullptr);
    EXPECT_EQ(ColourDialog::caption, "Text Colour");
    const COLORREF* table = ColourDialog::seen.lpCustColors;
    const COLORREF added = table[3];

    ColourDialog::answer = FALSE;
    EXPECT_EQ(PickColour(choosers, owner, 0, "Background Colour"), kNoColour);
    EXPECT_EQ(ColourDialog::seen.lpCustColors, table);
    EXPECT_EQ(ColourDialog::caption, "Background Colour");
    EXPECT_EQ(table, choosers.customColours); // the run's table, not a fresh one
    EXPECT_EQ(table[3], added + 1);
}

struct FontDialog {
    static inline CHOOSEFONTA seen{};
    static inline std::string caption;
    static inline BOOL answer = TRUE;

    static BOOL WINAPI Show(CHOOSEFONTA* chooser)
    {
        seen = *chooser;
        caption = CaptionSetByHook(*chooser);
        lstrcpyA(chooser->lpLogFont->lfFaceName, "Chosen");
        chooser->lpLogFont->lfHeight = -40;
        return answer;
    }
};

TEST(PickFont, EditsTheFontOnlyOnOk)
{
    PageChoosers choosers;
    choosers.chooseFont = FontDialog::Show;
    LOGFONTA font{};
    lstrcpyA(font.lfFaceName, "Start");
    font.lfHeight = -12;

    FontDialog::answer = FALSE;
    EXPECT_FALSE(PickFont(choosers, nullptr, "Clock Font", font));
    EXPECT_STREQ(font.lfFaceName, "Start");
    EXPECT_EQ(font.lfHeight, -12);
    EXPECT_EQ(FontDialog::seen.Flags, 0x10049u);
    EXPECT_EQ(FontDialog::caption, "Clock Font");

    FontDialog::answer = TRUE;
    EXPECT_TRUE(PickFont(choosers, nullptr, "Calendar Font", font));
    EXPECT_STREQ(font.lfFaceName, "Chosen");
    EXPECT_EQ(font.lfHeight, -40);
    EXPECT_EQ(FontDialog::caption, "Calendar Font");
}

} // namespace
