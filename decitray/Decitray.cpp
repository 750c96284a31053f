#include "decitray/Decitray.h"

#include "decimal/DecimalTime.h"
#include "decitray/TrayIcon.h"
#include "resources/decitray/resource.h"
#include "win32/StartProgram.h"
#include "win32/TolerantTimer.h"
#include "win32/WindowBinding.h"

static const char kInstanceMutex[] = "Decitray-BEBDF92B-D7FF-4062-8778-36CB1F946679";
static const wchar_t kLoaderPath[] = L"Horalume\\Horalume.exe";
static const char kClockItem[] = "DC";
static const char kDateItem[] = "DD";
static const UINT kTrayCallbackMessage = WM_APP + 10;
static const UINT_PTR kTickTimer = 1;
static const UINT kTickMs = 400;
// The tick may come this much late and still land in every decimal second
// (866 ms): 400 + 100 and a system timer tick or two stay well inside it.
static const ULONG kTickToleranceMs = 100;
static_assert(kTickMs + kTickToleranceMs + 2 * 16 < 866, "a decimal second would be skipped");
static const int kTitleLength = 100;
// A restarted shell lost the clock component with its old taskbar.
static const UINT kTaskbarCreatedMessage = RegisterWindowMessageA("TaskbarCreated");

namespace {

// The hidden main window: owns the timer, the tray icon and the link, and
// hears the tray's notifications and the menu's commands.
class MainWindow {
public:
    explicit MainWindow(HINSTANCE instance) : instance_(instance) {}
    ~MainWindow()
    {
        if (window_ != nullptr) {
            DestroyWindow(window_);
        }
    }
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    bool Create();
    // The message loop; returns the exit code.
    int Run();

private:
    static const WNDPROC Procedure;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnCommand(UINT message, WPARAM wParam, LPARAM lParam);
    void RegisterWindowClass();
    void Tick();

    HINSTANCE instance_;
    HWND window_ = nullptr;
    char title_[kTitleLength] = "";
    char className_[kTitleLength] = "";
    TrayIcon trayIcon_;
    ElementClient client_;
};

} // namespace

// Decitray neither waits for the loader nor watches it.
static bool StartLoader()
{
    return StartProgram(kLoaderPath, nullptr, nullptr) != 0;
}

// True if another copy already holds the name; the handle stays open for
// the life of the process so the name stays taken.
static bool AnotherCopyRuns()
{
    CreateMutexA(nullptr, FALSE, kInstanceMutex);
    const DWORD error = GetLastError();
    return error == ERROR_ALREADY_EXISTS || error == ERROR_ACCESS_DENIED;
}

static INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG) {
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

void PushReadings(ElementClient& client, const char* clockText, const char* dateText)
{
    if (!client.IsConnected()) {
        client.Connect();
        return;
    }
    const bool clockPoked = client.Poke(kClockItem, clockText);
    const bool datePoked = client.Poke(kDateItem, dateText);
    // A poke that merely timed out leaves a live conversation alone; one
    // whose partner has gone would fail forever.
    if ((!clockPoked || !datePoked) && !client.ConversationStands()) {
        client.Disconnect();
    }
}

void MainWindow::RegisterWindowClass()
{
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance_;
    windowClass.hIcon = LoadIconA(instance_, MAKEINTRESOURCEA(IDI_DECITRAY));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = className_;
    windowClass.hIconSm = LoadIconA(instance_, MAKEINTRESOURCEA(IDI_TRAY));
    RegisterClassExA(&windowClass);
}

bool MainWindow::Create()
{
    LoadStringA(instance_, IDS_APP_TITLE, title_, sizeof title_);
    LoadStringA(instance_, IDS_APP_TITLE, className_, sizeof className_);
    RegisterWindowClass();
    if (!CreateWindowExA(0, className_, title_, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0, CW_USEDEFAULT, 0, nullptr,
                         nullptr, instance_, this)) {
        return false;
    }
    HICON trayImage = LoadIconA(instance_, MAKEINTRESOURCEA(IDI_TRAY));
    if (!trayIcon_.Create(instance_, window_, kTrayCallbackMessage, "Decitray", trayImage, IDI_TRAY, false)) {
        return false;
    }
    trayIcon_.SetDefaultMenuItem(IDM_ABOUT, false);
    SetTolerantTimer(window_, kTickTimer, kTickMs, kTickToleranceMs);
    return true;
}

int MainWindow::Run()
{
    HACCEL accelerators = LoadAcceleratorsA(instance_, MAKEINTRESOURCEA(IDC_DECITRAY));
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!TranslateAcceleratorA(msg.hwnd, accelerators, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    client_.Disconnect();
    return static_cast<int>(msg.wParam);
}

// Date first, then clock, each from its own reading of the system clock.
void MainWindow::Tick()
{
    const std::string dateText = DecimalDateText();
    const std::string clockText = DecimalClockText();
    PushReadings(client_, clockText.c_str(), dateText.c_str());
}

const WNDPROC MainWindow::Procedure = BoundWindowProc<MainWindow, &MainWindow::window_, &MainWindow::HandleMessage>;

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kTaskbarCreatedMessage && message != 0) {
        StartLoader();
        return 0;
    }
    switch (message) {
    case WM_TIMER:
        Tick();
        return 0;
    case WM_DESTROY:
        trayIcon_.Remove();
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        UnbindWindow(window_);
        window_ = nullptr;
        return 0;
    case WM_COMMAND:
        return OnCommand(message, wParam, lParam);
    case kTrayCallbackMessage:
        return trayIcon_.OnTrayNotification(wParam, lParam);
    default:
        return DefWindowProcA(window_, message, wParam, lParam);
    }
}

LRESULT MainWindow::OnCommand(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam)) {
    case IDM_ABOUT:
        DialogBoxParamA(instance_, MAKEINTRESOURCEA(IDD_ABOUTBOX), window_, AboutDialogProc, 0);
        return 0;
    case IDM_EXIT:
        DestroyWindow(window_);
        return 0;
    case IDM_HIDEICON:
        trayIcon_.Hide();
        return 0;
    default:
        return DefWindowProcA(window_, message, wParam, lParam);
    }
}

int RunDecitray(HINSTANCE instance)
{
    if (AnotherCopyRuns()) {
        return 0;
    }
    if (!StartLoader()) {
        MessageBoxA(nullptr, "Could not run the Horalume.exe executable.", "Error", MB_OK | MB_ICONHAND);
        return 0;
    }
    MainWindow mainWindow(instance);
    if (!mainWindow.Create()) {
        return 0;
    }
    return mainWindow.Run();
}
