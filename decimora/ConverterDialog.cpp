#include "decimora/ConverterDialog.h"

#include "decimora/AboutDialog.h"
#include "decimora/MomentConversion.h"
#include "decimora/UnitConversion.h"
#include "resources/decimora/DecimoraResources.h"
#include "win32/Win32Handles.h"
#include "win32/WindowBinding.h"

#include <commctrl.h>

#include <string>

void LoadConverterControlClasses()
{
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_UPDOWN_CLASS | ICC_DATE_CLASSES};
    InitCommonControlsEx(&classes);
}

static std::string ControlText(HWND window, int id)
{
    const HWND control = GetDlgItem(window, id);
    std::string text(GetWindowTextLengthA(control) + 1, '\0');
    text.resize(GetWindowTextA(control, &text[0], static_cast<int>(text.size())));
    return text;
}

static LocalDateTime FromSystemTime(const SYSTEMTIME& time)
{
    return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
}

static LocalDateTime PickerValue(HWND window, int id)
{
    SYSTEMTIME time{};
    SendDlgItemMessageA(window, id, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    return FromSystemTime(time);
}

// Unit radio buttons in table order: Seconds to Years.
static int UnitOfButton(WORD id)
{
    return id - IDC_SECONDS;
}

ConverterDialog::ConverterDialog(HINSTANCE instance)
    : instance_(instance), icon_(LoadIconA(instance, MAKEINTRESOURCEA(IDI_CONVERTER)))
{
}

INT_PTR ConverterDialog::RunModal(HWND owner)
{
    return DialogBoxParamA(instance_, MAKEINTRESOURCEA(IDD_CONVERTER), owner, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

HWND ConverterDialog::CreateModeless(HWND owner)
{
    return CreateDialogParamA(instance_, MAKEINTRESOURCEA(IDD_CONVERTER), owner, DialogProc,
                              reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK ConverterDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Controls talk to the window before WM_INITDIALOG; nothing to do yet then.
    ConverterDialog* dialog = BoundDialogObject<ConverterDialog>(window, message, lParam);
    if (!dialog) {
        return FALSE;
    }
    if (message == WM_INITDIALOG) {
        dialog->window_ = window;
        return dialog->OnInitDialog();
    }
    return dialog->HandleMessage(message, wParam, lParam);
}

INT_PTR ConverterDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam));
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(lParam)->code == DTN_DATETIMECHANGE) {
            UpdateMomentConversion();
            SetWindowLongPtrA(window_, DWLP_MSGRESULT, 0);
            return TRUE;
        }
        return FALSE;
    case WM_SYSCOMMAND:
        return OnSysCommand(wParam);
    case WM_PAINT:
        return OnPaint();
    case WM_QUERYDRAGICON:
        // One of the messages whose dialog-procedure result is the answer itself.
        return reinterpret_cast<INT_PTR>(icon_);
    }
    return FALSE;
}

BOOL ConverterDialog::OnInitDialog()
{
    AddAboutItemToSystemMenu();
    SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    SendDlgItemMessageA(window_, IDC_SPIN, UDM_SETRANGE, 0, MAKELPARAM(32767, 1));
    CheckRadioButton(window_, IDC_SECONDS, IDC_YEARS, IDC_SECONDS);
    CheckRadioButton(window_, IDC_METRIC_TO_STANDARD, IDC_STANDARD_TO_METRIC, IDC_METRIC_TO_STANDARD);
    // The change notification of this runs the first conversion.
    SetDlgItemTextA(window_, IDC_INPUT, kDefaultInputText);
    UpdateMomentConversion();
    // The input field takes the focus itself: checking "Seconds" gave that
    // radio button WS_TABSTOP, so Wine's default choice would fall on it.
    // WM_NEXTDLGCTL also makes it the focus the dialog restores on activation.
    SendMessageA(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(window_, IDC_INPUT)), TRUE);
    return FALSE;
}

void ConverterDialog::AddAboutItemToSystemMenu()
{
    const HMENU systemMenu = GetSystemMenu(window_, FALSE);
    if (!systemMenu) {
        return;
    }
    char text[256];
    if (LoadStringA(instance_, IDS_ABOUT_ITEM, text, sizeof text) <= 0) {
        return;
    }
    AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(systemMenu, MF_STRING, IDM_ABOUT, text);
}

bool ConverterDialog::OnCommand(WORD id, WORD code)
{
    switch (id) {
    case IDC_EXIT:
        EndDialog(window_, 0);
        return true;
    case IDCANCEL: // Escape and the close box
        EndDialog(window_, IDCANCEL);
        return true;
    case IDC_SECONDS:
    case IDC_MINUTES:
    case IDC_HOURS:
    case IDC_DAYS:
    case IDC_WEEKS:
    case IDC_YEARS:
        if (code != BN_CLICKED) {
            return false;
        }
        unitIndex_ = UnitOfButton(id);
        RecomputeConversion();
        return true;
    case IDC_METRIC_TO_STANDARD:
    case IDC_STANDARD_TO_METRIC:
        if (code != BN_CLICKED) {
            return false;
        }
        direction_ = id == IDC_METRIC_TO_STANDARD ? MetricToStandard : StandardToMetric;
        RecomputeConversion();
        return true;
    case IDC_INPUT:
        if (code != EN_CHANGE) {
            return false;
        }
        RecomputeConversion();
        return true;
    }
    return false;
}

bool ConverterDialog::OnSysCommand(WPARAM command)
{
    if ((command & 0xFFF0) != IDM_ABOUT) {
        return false;
    }
    RunAboutDialog(instance_, window_);
    return true;
}

// Minimized, the client area shows the icon centred.
bool ConverterDialog::OnPaint()
{
    if (!IsIconic(window_)) {
        return false;
    }
    PaintDC dc(window_);
    SendMessageA(window_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()), 0);
    RECT client;
    GetClientRect(window_, &client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc.Get(), x, y, icon_);
    return true;
}

void ConverterDialog::RecomputeConversion()
{
    const double input = ReadInputValue();
    SetDlgItemTextA(window_, IDC_RESULT, ConversionResultText(input, unitIndex_, direction_).c_str());
}

double ConverterDialog::ReadInputValue()
{
    const double value = ParseInputValue(ControlText(window_, IDC_INPUT));
    if (IsAcceptedInput(value)) {
        return value;
    }
    // Runs this conversion once more, nested, with the same result.
    SetDlgItemTextA(window_, IDC_INPUT, kDefaultInputText);
    return 1.0;
}

void ConverterDialog::UpdateMomentConversion()
{
    const LocalDateTime date = PickerValue(window_, IDC_DATE_PICKER);
    const LocalDateTime time = PickerValue(window_, IDC_TIME_PICKER);
    SetDlgItemTextA(window_, IDC_MOMENT_RESULT, MomentConversionText(date, time).c_str());
}
