// The sheet's help against the real HTML Help of Wine, with HORALUME.CHM
// beside this program as beside Horalume.exe. Wine's help window shows no
// page and its popups nothing, so what was asked for is read from Wine's
// "htmlhelp" debug channel, which the test runner writes to HORA_TRACE_FILE.
#include "horalume/loader/tests/TestSupport.h"
#include "horalume/props/PropertiesSheet.h"
#include "resources/horalume/HoralumeResources.h"

#include <windows.h>

#include <prsht.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

// Everything traced since the process started.
std::string ReadTrace()
{
    const char* path = std::getenv("HORA_TRACE_FILE");
    std::string trace;
    HANDLE file = path != nullptr ? CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                                OPEN_EXISTING, 0, nullptr)
                                  : INVALID_HANDLE_VALUE;
    if (file == INVALID_HANDLE_VALUE) {
        return trace;
    }
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        trace.append(buffer, read);
    }
    CloseHandle(file);
    return trace;
}

// Wine's trace prints a window handle as 16 hexadecimal digits.
std::string TracedHandle(HWND window)
{
    char text[32];
    std::snprintf(text, sizeof text, "%016llX", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)));
    return text;
}

class Help : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(std::getenv("HORA_TRACE_FILE"), nullptr) << "run through cmake/wine-trace.sh";
        ClearHoralumeRegistry();
        clock_ = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        state_.instance = GetModuleHandleA(nullptr);
        state_.session.clockWindow = clock_;
        state_.system.isNT = true;
        pages_ = std::make_unique<PropertiesSheet>(state_);
        sheet_ = pages_->Open();
        ASSERT_NE(sheet_, nullptr);
    }

    void TearDown() override
    {
        if (sheet_ != nullptr) {
            DestroyWindow(sheet_);
        }
        DestroyWindow(clock_);
        ClearHoralumeRegistry();
    }

    SheetState state_;
    std::unique_ptr<PropertiesSheet> pages_;
    HWND clock_ = nullptr;
    HWND sheet_ = nullptr;
};

TEST_F(Help, HelpButtonOpensThePageTopicF1AsksForTheControlPopupAndCancelCloses)
{
    PropSheet_SetCurSelByID(sheet_, IDD_CLOCK_PAGE);
    HWND page = PropSheet_GetCurrentPageHwnd(sheet_);
    ASSERT_NE(page, nullptr);

    PropSheet_PressButton(sheet_, PSBTN_HELP);
    HWND helpWindow = nullptr;
    EXPECT_TRUE(WaitUntil([&] { return (helpWindow = FindWindowA("HH Parent", "Horalume Help")) != nullptr; }, 5000));
    const std::string afterHelp = ReadTrace();
    EXPECT_NE(afterHelp.find("HORALUME.CHM\", command=HH_HELP_CONTEXT, data=7d0)"), std::string::npos) << afterHelp;
    EXPECT_NE(afterHelp.find("returning \"clock.htm\""), std::string::npos) << afterHelp;

    // F1 in the format edit box, from the keyboard.
    HWND format = GetDlgItem(page, IDC_CLOCK_FORMAT);
    SetForegroundWindow(sheet_);
    SetFocus(format);
    INPUT keys[2] = {};
    for (INPUT& key : keys) {
        key.type = INPUT_KEYBOARD;
        key.ki.wVk = VK_F1;
    }
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
    const std::string popupCall = "HtmlHelpW (" + TracedHandle(format) + ", ";
    EXPECT_TRUE(WaitUntil([&] { return ReadTrace().find(popupCall) != std::string::npos; }, 5000));
    const std::string afterF1 = ReadTrace();
    EXPECT_NE(afterF1.find("HORALUME.CHM::/controls.txt\", command=HH_TP_HELP_WM_HELP"), std::string::npos) << afterF1;

    PropSheet_PressButton(sheet_, PSBTN_CANCEL);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(helpWindow); }, 5000));
}

} // namespace
