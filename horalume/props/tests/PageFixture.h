// Runs one property page in the test's own process: a window of the test's
// own stands for the taskbar clock and keeps every record pushed to it, and
// stand-ins answer for the colour and font dialogs.
#pragma once

#include "hookapi/ClockDefaults.h"
#include "horalume/props/CommonDialogs.h"
#include "horalume/props/FormatMenu.h"
#include "horalume/props/PageDialog.h"
#include "win32/WindowBinding.h"

#include <windows.h>

#include <prsht.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class PageFixture : public ::testing::Test {
protected:
    // Answers OK with choice, or cancels; remembers what it was shown.
    struct ColourDialog {
        static inline bool pressOk = true;
        static inline COLORREF choice = 0;
        static inline CHOOSECOLORA seen{};
        static inline std::string title;
        static inline int shown = 0;

        static BOOL WINAPI Show(CHOOSECOLORA* chooser)
        {
            ++shown;
            seen = *chooser;
            title = reinterpret_cast<const char*>(chooser->lCustData);
            if (pressOk) {
                chooser->rgbResult = choice;
            }
            return pressOk;
        }
    };

    // Answers OK with choice, or cancels after scribbling over the font it
    // was given; remembers what it was shown.
    struct FontDialog {
        static inline bool pressOk = true;
        static inline LOGFONTA choice{};
        static inline LOGFONTA started{};
        static inline DWORD flags = 0;
        static inline std::string title;
        static inline int shown = 0;

        static BOOL WINAPI Show(CHOOSEFONTA* chooser)
        {
            ++shown;
            started = *chooser->lpLogFont;
            flags = chooser->Flags;
            title = reinterpret_cast<const char*>(chooser->lCustData);
            *chooser->lpLogFont = pressOk ? choice : LOGFONTA{};
            return pressOk;
        }
    };

    static std::vector<ClockSettings>& Pushes()
    {
        static std::vector<ClockSettings> pushes;
        return pushes;
    }

    void SetUp() override
    {
        state_.instance = GetModuleHandleA(nullptr);
        state_.system.isNT = true;                      // no resource meter warning over the tests
        state_.session.record = DefaultClockSettings(); // as loaded from an empty registry
        ColourDialog::pressOk = true;
        ColourDialog::shown = 0;
        FontDialog::pressOk = true;
        FontDialog::shown = 0;
        state_.choosers.chooseColour = ColourDialog::Show;
        state_.choosers.chooseFont = FontDialog::Show;

        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = ClockProc;
        windowClass.hInstance = state_.instance;
        windowClass.lpszClassName = "PageTestClock";
        RegisterClassA(&windowClass);
        clock_ = CreateWindowA("PageTestClock", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, state_.instance, nullptr);
        sheet_ = CreateWindowA("STATIC", "sheet", WS_POPUP, 0, 0, 400, 400, nullptr, nullptr, state_.instance, nullptr);
        state_.session.clockWindow = clock_;
        Pushes().clear();
    }

    void TearDown() override
    {
        if (page_) {
            DestroyWindow(page_);
        }
        DestroyWindow(sheet_);
        DestroyWindow(clock_);
    }

    void OpenPage(UINT dialogId)
    {
        dialog_ = std::make_unique<PageDialog>(state_, dialogId);
        PROPSHEETPAGEA_V1 description = dialog_->Describe();
        page_ = CreateDialogParamA(state_.instance, MAKEINTRESOURCEA(dialogId), sheet_, description.pfnDlgProc,
                                   reinterpret_cast<LPARAM>(&description));
        ASSERT_NE(page_, nullptr);
        EnableWindow(page_, TRUE);
        Pushes().clear();
    }

    // The page object, found the way the dialog procedure finds it.
    SheetPage& BoundPage() const { return DialogObject<PageDialog>(page_)->Page(); }

    HWND Control(int id) const { return GetDlgItem(page_, id); }
    bool IsOn(int id) const { return IsDlgButtonChecked(page_, id) == BST_CHECKED; }
    bool IsEnabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }

    std::string Text(int id) const
    {
        char text[256] = "";
        GetDlgItemTextA(page_, id, text, sizeof text);
        return text;
    }

    void Click(int id) const { SendMessageA(Control(id), BM_CLICK, 0, 0); }
    void Type(int id, const char* text) const { SetDlgItemTextA(page_, id, text); }

    static const ClockSettings& LastPush()
    {
        EXPECT_FALSE(Pushes().empty());
        static const ClockSettings none{};
        return Pushes().empty() ? none : Pushes().back();
    }

    bool Flag(std::uint32_t flag) const { return (Record().displayFlags & flag) != 0; }
    ClockSettings& Record() { return state_.session.record; }
    const ClockSettings& Record() const { return state_.session.record; }
    static bool PushedFlag(std::uint32_t flag) { return (LastPush().displayFlags & flag) != 0; }

    SheetState state_;
    std::unique_ptr<PageDialog> dialog_; // bound to page_
    HWND page_ = nullptr;
    HWND sheet_ = nullptr;
    HWND clock_ = nullptr;

private:
    static LRESULT CALLBACK ClockProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_COPYDATA) {
            const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            EXPECT_EQ(data->cbData, sizeof(ClockSettings));
            if (data->cbData == sizeof(ClockSettings)) {
                Pushes().push_back(*static_cast<const ClockSettings*>(data->lpData));
            }
            return TRUE;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }
};
