// Decimora's main window: the unit converter above, the time/date
// conversion below, an About item in the system menu.
#pragma once

#include <windows.h>

// Registers the common-control classes the dialog uses (up-down, date-time picker).
void LoadConverterControlClasses();

class ConverterDialog {
public:
    explicit ConverterDialog(HINSTANCE instance);
    ConverterDialog(const ConverterDialog&) = delete;
    ConverterDialog& operator=(const ConverterDialog&) = delete;

    // Runs the dialog modally; 0 after "Exit" or Enter, IDCANCEL after
    // Escape or the close box.
    INT_PTR RunModal(HWND owner);

    // Creates the dialog modeless (for driving it from tests); the caller
    // destroys the window.
    HWND CreateModeless(HWND owner);

    HICON Icon() const { return icon_; }

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    BOOL OnInitDialog();
    void AddAboutItemToSystemMenu();
    bool OnCommand(WORD id, WORD code);
    bool OnSysCommand(WPARAM command);
    bool OnPaint();
    void RecomputeConversion();
    double ReadInputValue();
    void UpdateMomentConversion();

    HINSTANCE instance_;
    HWND window_ = nullptr;
    int unitIndex_ = 0;
    int direction_ = 0;
    HICON icon_;
};
