#include "horalume/loader/tests/TestSupport.h"

#include "horalume/settings/SettingsStore.h"
#include "win32/RegKey.h"

#include <shlwapi.h>

static const char kFakeComponentKey[] = "Software\\HoralumeFakeComponent";

void ClearHoralumeRegistry()
{
    SHDeleteKeyA(HKEY_CURRENT_USER, kHoralumeKey);
    SHDeleteKeyA(HKEY_CURRENT_USER, kFakeComponentKey);
}

void WriteSetting(const char* name, std::int32_t value)
{
    RegKeyWriter settings;
    settings.Create(HKEY_CURRENT_USER, kHoralumeKey, kSettingsSubkey);
    settings.WriteDword(name, value);
}

std::int32_t ReadSetting(const char* name, std::int32_t fallback)
{
    RegKeyReader settings;
    settings.Open(HKEY_CURRENT_USER, kHoralumeKey, kSettingsSubkey);
    return settings.ReadDword(name, fallback);
}

bool SettingExists(const char* name)
{
    return ReadSetting(name, 0x5A5A5A5A) != 0x5A5A5A5A || ReadSetting(name, 0x3C3C3C3C) != 0x3C3C3C3C;
}

void WriteFakeComponentDelay(const char* name, DWORD milliseconds)
{
    RegKeyWriter control;
    control.Create(HKEY_CURRENT_USER, kFakeComponentKey);
    control.WriteDword(name, static_cast<std::int32_t>(milliseconds));
}

void RemoveRunValue()
{
    RegKeyWriter run;
    run.Create(HKEY_CURRENT_USER, kRunKey);
    run.DeleteValue(kRunValue);
}

std::string RunValue()
{
    RegKeyReader run;
    run.Open(HKEY_CURRENT_USER, kRunKey);
    char path[MAX_PATH] = "";
    run.ReadString(kRunValue, "", path, sizeof path);
    return path;
}

HoralumeCopy::HoralumeCopy(const char* purpose)
{
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    directory_ = std::string(temp) + purpose + "-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(directory_.c_str(), nullptr);
}

HoralumeCopy::~HoralumeCopy()
{
    DeleteFileA((directory_ + "\\Horalume.exe").c_str());
    DeleteFileA(ComponentPath().c_str());
    RemoveDirectoryA(directory_.c_str());
}

bool HoralumeCopy::Place(const char* horalumeExe)
{
    return CopyFileA(WindowsPath(horalumeExe).c_str(), (directory_ + "\\Horalume.exe").c_str(), FALSE) != FALSE;
}

bool HoralumeCopy::PlaceComponent(const char* componentDll)
{
    return CopyFileA(WindowsPath(componentDll).c_str(), ComponentPath().c_str(), FALSE) != FALSE;
}

bool HoralumeCopy::Run(ChildProcess& process, const char* arguments) const
{
    return process.Start(nullptr, "\"" + directory_ + "\\Horalume.exe\" " + arguments, directory_);
}

MessageBoxWatcher::MessageBoxWatcher(std::vector<std::string> captions, int answer)
    : captions_(std::move(captions)), answer_(answer), thread_([this] { Watch(); })
{
}

MessageBoxWatcher::~MessageBoxWatcher()
{
    stop_ = true;
    thread_.join();
}

std::vector<SeenMessageBox> MessageBoxWatcher::Seen()
{
    std::lock_guard<std::mutex> lock(mutex_);
    return seen_;
}

bool MessageBoxWatcher::WaitForCount(size_t count, DWORD milliseconds)
{
    return WaitUntil([&] { return Seen().size() >= count; }, milliseconds);
}

static BOOL CALLBACK CollectStaticText(HWND child, LPARAM lParam)
{
    char className[32] = "";
    GetClassNameA(child, className, sizeof className);
    char text[1024] = "";
    if (lstrcmpiA(className, "Static") == 0 && GetWindowTextA(child, text, sizeof text) > 0) {
        *reinterpret_cast<std::string*>(lParam) += text;
    }
    return TRUE;
}

void MessageBoxWatcher::Watch()
{
    while (!stop_) {
        for (const std::string& caption : captions_) {
            HWND box = FindWindowA("#32770", caption.c_str());
            if (box == nullptr || !IsWindowVisible(box)) {
                continue;
            }
            std::lock_guard<std::mutex> lock(mutex_);
            bool known = false;
            for (HWND answered : answered_) {
                known = known || answered == box;
            }
            if (known) {
                continue; // answered already, still closing
            }
            std::string text;
            EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&text));
            seen_.push_back({caption, text});
            answered_.push_back(box);
            const int answer = answer_;
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
        }
        Sleep(20);
    }
}
