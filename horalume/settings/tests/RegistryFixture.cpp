#include "horalume/settings/tests/RegistryFixture.h"

#include "horalume/settings/SettingsStore.h"
#include "win32/Win32Handles.h"

#include <shlwapi.h>

#include <cstring>

const char kTestKey[] = "Software\\Horalume";
const char kSettingsKey[] = "Software\\Horalume\\Settings";
const char kCalendarKey[] = "Software\\Horalume\\Calendar";
const char kControlPanelKey[] = "Software\\Horalume\\Control Panel";

// Straight through the system, not through the wrapper under test; none when absent.
static UniqueRegKey OpenKey(const char* path, REGSAM access)
{
    HKEY key = nullptr;
    return UniqueRegKey(RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, access, &key) == ERROR_SUCCESS ? key : nullptr);
}

static void RemoveEverything()
{
    SHDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
    if (UniqueRegKey run = OpenKey(kRunKey, KEY_ALL_ACCESS)) {
        RegDeleteValueA(run.Get(), kRunValue);
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
    HKEY created = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &created, nullptr),
              ERROR_SUCCESS);
    UniqueRegKey key(created);
    EXPECT_EQ(RegSetValueExA(key.Get(), name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
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
    const UniqueRegKey key = OpenKey(path, KEY_READ);
    if (!key) {
        return false;
    }
    DWORD size = 0;
    bool found = RegQueryValueExA(key.Get(), name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
    data.assign(size, 0);
    found = found && RegQueryValueExA(key.Get(), name, nullptr, &type, data.data(), &size) == ERROR_SUCCESS;
    data.resize(size);
    return found;
}

DWORD RegistryTest::GetDword(const char* path, const char* name)
{
    DWORD type = 0;
    std::vector<BYTE> data;
    EXPECT_TRUE(GetRaw(path, name, type, data)) << name;
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD)) << name;
    DWORD value = 0xBADBAD;
    if (data.size() == sizeof value) {
        std::memcpy(&value, data.data(), sizeof value);
    }
    return value;
}

bool RegistryTest::KeyExists(const char* path)
{
    return static_cast<bool>(OpenKey(path, KEY_READ));
}
