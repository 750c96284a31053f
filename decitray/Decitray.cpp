#include "Decitray.h"

#include "DecimalTime.h"
#include "TrayIcon.h"
#include "UserElementLink.h"
#include "resource.h"

static const char kInstanceMutex[] = "Decitray-BEBDF92B-D7FF-4062-8778-36CB1F946679";
static const char kLoaderPath[] = "Horalume\\Horalume.exe";
static const UINT kTrayCallbackMessage = WM_APP + 10;
static const UINT_PTR kTickTimer = 1;
static const UINT kTickMs = 400;

#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(STARTUPINFOA) == 68, "STARTUPINFO is 68 bytes on 32-bit Windows");
#endif

static HINSTANCE appInstance;
static char windowTitle[100];
static char windowClassName[100];
static TrayIcon trayIcon;
static UserElementLink elementLink;

// True if another copy already holds the name; the handle stays open for
// the life of the process so the name stays taken.
static bool AnotherCopyRuns()
{
    CreateMutexA(nullptr, FALSE, kInstanceMutex);
    const DWORD error = GetLastError();
    return error == ERROR_ALREADY_EXISTS || error == ERROR_ACCESS_DENIED;
}

// Starts the loader from the current directory; Decitray neither waits for it
// nor watches it.
static bool StartLoader()
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(kLoaderPath, nullptr, nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr, nullptr,
                        &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return process.dwThreadId != 0;
}

static void RegisterMainWindowClass(HINSTANCE instance)
{
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_DECITRAY));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = windowClassName;
    windowClass.hIconSm = LoadIconA(instance, MAKEINTRESOURCEA(IDI_TRAY));
    RegisterClassExA(&windowClass);
}

// Date first, then clock, each from its own reading of the system clock.
static void Tick()
{
    const std::string dateText = DecimalDateText();
    const std::string clockText = DecimalClockText();
    elementLink.Push(clockText.c_str(), dateText.c_str());
}

int RunDecitray(HINSTANCE instance)
{
    if (AnotherCopyRuns())
        return 0;
    if (!StartLoader()) {
        MessageBoxA(nullptr, "Could not run the Horalume.exe executable.", "Error", MB_OK | MB_ICONHAND);
        return 0;
    }

    LoadStringA(instance, IDS_APP_TITLE, windowTitle, sizeof windowTitle);
    LoadStringA(instance, IDS_APP_TITLE, windowClassName, sizeof windowClassName);
    RegisterMainWindowClass(instance);
    HWND mainWindow = CreateWindowExA(0, windowClassName, windowTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0,
                                      CW_USEDEFAULT, 0, nullptr, nullptr, instance, nullptr);
    if (!mainWindow)
        return 0;
    appInstance = instance;

    HICON trayImage = LoadIconA(instance, MAKEINTRESOURCEA(IDI_TRAY));
    if (!trayIcon.Create(instance, mainWindow, kTrayCallbackMessage, "Decitray", trayImage, IDI_TRAY, false))
        return 0;
    trayIcon.SetDefaultMenuItem(IDM_ABOUT, false);
    SetTimer(mainWindow, kTickTimer, kTickMs, nullptr);
    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDC_DECITRAY));

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!TranslateAcceleratorA(msg.hwnd, accelerators, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    elementLink.Close();
    return static_cast<int>(msg.wParam);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        Tick();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDM_ABOUT:
            DialogBoxParamA(appInstance, MAKEINTRESOURCEA(IDD_ABOUTBOX), window, AboutDialogProc, 0);
            return 0;
        case IDM_EXIT:
            DestroyWindow(window);
            return 0;
        case IDM_HIDEICON:
            trayIcon.Hide();
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
        }
    case kTrayCallbackMessage:
        return trayIcon.OnTrayNotification(wParam, lParam);
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}
