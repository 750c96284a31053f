// Helpers for Horalume's tests under Wine: registry set-up, child processes,
// and message boxes found by caption, read and answered.
#pragma once

#include "taskbar/testing/BuildPaths.h"
#include "taskbar/testing/ChildProcess.h"

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Removes HKCU\Software\Horalume and the fake component's control key.
void ClearHoralumeRegistry();
void WriteSetting(const char* name, std::int32_t value);
// The DWORD value, or fallback when absent.
std::int32_t ReadSetting(const char* name, std::int32_t fallback);
bool SettingExists(const char* name);
void WriteFakeComponentDelay(const char* name, DWORD milliseconds);
// The value "Horalume" of the Run key: removed, or read ("" when absent).
void RemoveRunValue();
std::string RunValue();

using testkit::ChildProcess;

// A copy of Horalume.exe in a temporary directory of its own, so that the
// HORALUME.DLL placed beside it is the component it loads. The directory and
// its files go when the copy does.
class HoralumeCopy {
public:
    explicit HoralumeCopy(const char* purpose);
    ~HoralumeCopy();
    HoralumeCopy(const HoralumeCopy&) = delete;
    HoralumeCopy& operator=(const HoralumeCopy&) = delete;

    // Both take a build path; false when the copy fails.
    bool Place(const char* horalumeExe);
    bool PlaceComponent(const char* componentDll);
    std::string ComponentPath() const { return directory_ + "\\HORALUME.DLL"; }
    // Starts the copy with its directory as the current one.
    bool Run(ChildProcess& process, const char* arguments = "") const;

private:
    std::string directory_;
};

struct SeenMessageBox {
    std::string caption;
    std::string text;
};

// Watches for top-level message boxes with one of the given captions, records
// them and answers each with the given button.
class MessageBoxWatcher {
public:
    MessageBoxWatcher(std::vector<std::string> captions, int answer);
    ~MessageBoxWatcher();
    void SetAnswer(int answer) { answer_ = answer; }
    std::vector<SeenMessageBox> Seen();
    // Waits until at least count boxes were seen; false on time-out.
    bool WaitForCount(size_t count, DWORD milliseconds);

private:
    void Watch();

    std::vector<std::string> captions_;
    std::atomic<int> answer_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<SeenMessageBox> seen_;
    std::vector<HWND> answered_;
    std::thread thread_;
};

// Polls condition every 20 ms (pumping this thread's messages) until it holds.
template <typename Condition> bool WaitUntil(Condition condition, DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) {
            return true;
        }
        if (GetTickCount() - start > milliseconds) {
            return false;
        }
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(20);
    }
}
