#include "RegistryFixture.h"

#include <shlwapi.h>

#include <cstring>

#include "SettingsStore.h"

const char kTestKey[] = "Software\\Horalume";
const char kSettingsKey[] = "Software\\Horalume\\Settings";
const char kCalendarKey[] = "Software\\Horalume\\Calendar";
const char kControlPanelKey[] = "Software\\Horalume\\Control Panel";

static void RemoveEverything()
{
    SHDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
    HKEY run = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_ALL_ACCESS, &run) == ERROR_SUCCESS) {
        RegDeleteValueA(run, kRunValue);
        RegCloseKey(run);
    }
}

void RegistryTest::SetUp()
{
    RemoveEverything();
    ASSERT_FALSE(KeyExists(kTestKey));
}

void RegistryTest::TearDown()
{
    RemoveEverything();
}

void RegistryTest::SetRaw(const char* path, const char* name, DWORD type, const void* data, DWORD size)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    RegCloseKey(key);
}

void RegistryTest::SetDword(const char* path, const char* name, DWORD value)
{
    SetRaw(path, name, REG_DWORD, &value, sizeof value);
}

void RegistryTest::SetString(const char* path, const char* name, const std::string& text)
{
    SetRaw(path, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

bool RegistryTest::GetRaw(const char* path, const char* name, DWORD& type, std::vector<BYTE>& data)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    DWORD size = 0;
    bool found = RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
    data.assign(size, 0);
    found = found && RegQueryValueExA(key, name, nullptr, &type, data.data(), &size) == ERROR_SUCCESS;
    data.resize(size);
    RegCloseKey(key);
    return found;
}

DWORD RegistryTest::GetDword(const char* path, const char* name)
{
    DWORD type = 0;
    std::vector<BYTE> data;
    EXPECT_TRUE(GetRaw(path, name, type, data)) << name;
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD)) << name;
    DWORD value = 0xBADBAD;
    if (data.size() == sizeof value)
        std::memcpy(&value, data.data(), sizeof value);
    return value;
}

bool RegistryTest::KeyExists(const char* path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}
