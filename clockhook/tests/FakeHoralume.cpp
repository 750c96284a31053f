// Stands in for Horalume.exe beside a copy of the component: tells the test
// that it was started, and from which directory.
#include <windows.h>

int main()
{
    HANDLE started = OpenEventA(EVENT_MODIFY_STATE, FALSE, "HoralumeTestPropertiesStarted");
    if (started == nullptr) {
        return 1;
    }
    char directory[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof directory, directory);
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\HoralumeTest", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) == ERROR_SUCCESS) {
        RegSetValueExA(key, "StartedIn", 0, REG_SZ, reinterpret_cast<const BYTE*>(directory),
                       static_cast<DWORD>(lstrlenA(directory) + 1));
        RegCloseKey(key);
    }
    SetEvent(started);
    CloseHandle(started);
    return 0;
}
