// Tests against the real registry of the test prefix: each starts from no
// "Software\Horalume" and no Run-key value, and leaves none behind.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

class RegistryTest : public ::testing::Test {
public:
    // Stores raw bytes of any type under HKCU\<path>, creating the key.
    static void SetRaw(const char* path, const char* name, DWORD type, const void* data, DWORD size);
    static void SetDword(const char* path, const char* name, DWORD value);
    static void SetString(const char* path, const char* name, const std::string& text);
    // Reads a value back: false when it is absent.
    static bool GetRaw(const char* path, const char* name, DWORD& type, std::vector<BYTE>& data);
    static DWORD GetDword(const char* path, const char* name);
    static bool KeyExists(const char* path);

protected:
    void SetUp() override;
    void TearDown() override;
};

extern const char kTestKey[];     // "Software\Horalume"
extern const char kSettingsKey[]; // "Software\Horalume\Settings"
extern const char kCalendarKey[];
extern const char kControlPanelKey[];
