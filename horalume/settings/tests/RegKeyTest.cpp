#include "win32/RegKey.h"
#include "horalume/settings/tests/RegistryFixture.h"

#include <cstring>
#include <string>

using RegKey = RegistryTest;

TEST_F(RegKey, MissingKeyReadsEveryDefault)
{
    RegKeyReader key;
    EXPECT_FALSE(key.Open(HKEY_CURRENT_USER, kTestKey, "Settings"));
    EXPECT_EQ(key.ReadDword("Value", -7), -7);
    EXPECT_TRUE(key.ReadBool("Value", true));
    EXPECT_EQ(key.ReadClamped("Value", 50, 10, 0), 10) << "the default is clamped too";

    char text[4];
    key.ReadString("Value", "abcdef", text, sizeof text);
    EXPECT_STREQ(text, "abc");
    EXPECT_EQ(key.ReadString("Value", nullptr), nullptr);
    EXPECT_STREQ(key.ReadString("Value", "xyz").get(), "xyz");

    unsigned char bytes[4] = {1, 2, 3, 4};
    key.ReadBinary("Value", nullptr, bytes, sizeof bytes);
    EXPECT_EQ(bytes[0], 1) << "no default leaves the buffer untouched";
    const unsigned char fallback[4] = {9, 9, 9, 9};
    key.ReadBinary("Value", fallback, bytes, sizeof bytes);
    EXPECT_EQ(std::memcmp(bytes, fallback, sizeof bytes), 0);

    EXPECT_FALSE(KeyExists(kTestKey)) << "reading creates nothing";
}

TEST_F(RegKey, ValuesOfAnotherTypeReadAsDefaults)
{
    SetString(kSettingsKey, "Text", "12");
    const DWORD four = 4;
    SetRaw(kSettingsKey, "Binary4", REG_BINARY, &four, sizeof four);
    SetRaw(kSettingsKey, "ShortDword", REG_DWORD, &four, 2);
    SetRaw(kSettingsKey, "Expand", REG_EXPAND_SZ, "%TEMP%", 7);
    SetDword(kSettingsKey, "Dword", 4);

    RegKeyReader key;
    ASSERT_TRUE(key.Open(HKEY_CURRENT_USER, kTestKey, "Settings"));
    EXPECT_EQ(key.ReadDword("Text", 100), 100);
    EXPECT_EQ(key.ReadDword("Binary4", 100), 100);
    EXPECT_EQ(key.ReadDword("ShortDword", 100), 100);
    char text[16];
    key.ReadString("Expand", "default", text, sizeof text);
    EXPECT_STREQ(text, "default");
    key.ReadString("Dword", "default", text, sizeof text);
    EXPECT_STREQ(text, "default");
    EXPECT_EQ(key.ReadString("Dword", nullptr), nullptr);
    unsigned char bytes[4] = {1, 2, 3, 4};
    key.ReadBinary("Text", nullptr, bytes, sizeof bytes);
    EXPECT_EQ(bytes[0], 1);
}

TEST_F(RegKey, LongAndUnterminatedStringsNeverOverrunTheBuffer)
{
    std::string longText(300, 'L');
    SetString(kSettingsKey, "Long", longText);
    SetRaw(kSettingsKey, "NoNul", REG_SZ, "abc", 3);

    RegKeyReader key;
    ASSERT_TRUE(key.Open(HKEY_CURRENT_USER, kTestKey, "Settings"));
    char field[130];
    std::memset(field, '#', sizeof field);
    key.ReadString("Long", "", field, 120);
    EXPECT_EQ(std::string(field), std::string(119, 'L'));
    EXPECT_EQ(field[120], '#') << "nothing written past the buffer";
    EXPECT_STREQ(key.ReadString("Long", nullptr).get(), longText.c_str());

    std::memset(field, '#', sizeof field);
    key.ReadString("NoNul", "", field, 120);
    EXPECT_STREQ(field, "abc");
    EXPECT_STREQ(key.ReadString("NoNul", nullptr).get(), "abc");
}

TEST_F(RegKey, BinaryCopiesAtMostTheBufferAndLeavesTheRestOfIt)
{
    unsigned char stored[80];
    for (unsigned i = 0; i < sizeof stored; ++i) {
        stored[i] = static_cast<unsigned char>(i + 1);
    }
    SetRaw(kSettingsKey, "Long", REG_BINARY, stored, sizeof stored);
    SetRaw(kSettingsKey, "Short", REG_BINARY, stored, 10);

    RegKeyReader key;
    ASSERT_TRUE(key.Open(HKEY_CURRENT_USER, kTestKey, "Settings"));
    unsigned char buffer[64];
    std::memset(buffer, 0xEE, sizeof buffer);
    key.ReadBinary("Long", nullptr, buffer, 60);
    EXPECT_EQ(std::memcmp(buffer, stored, 60), 0);
    EXPECT_EQ(buffer[60], 0xEE);

    std::memset(buffer, 0xEE, sizeof buffer);
    key.ReadBinary("Short", nullptr, buffer, 60);
    EXPECT_EQ(std::memcmp(buffer, stored, 10), 0);
    EXPECT_EQ(buffer[10], 0xEE);
    EXPECT_EQ(buffer[59], 0xEE);
}

TEST_F(RegKey, WritesStoreTypedValuesOfTheRightSize)
{
    RegKeyWriter key;
    EXPECT_FALSE(key.WriteDword("Closed", 1)) << "no key, no write";
    ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, kTestKey, "New\\Deeper"));
    EXPECT_TRUE(key.WriteDword("Dword", -1));
    EXPECT_TRUE(key.WriteBool("Bool", true));
    EXPECT_TRUE(key.WriteString("Text", "abc"));
    const unsigned char bytes[3] = {7, 8, 9};
    EXPECT_TRUE(key.WriteBinary("Binary", bytes, sizeof bytes));
    EXPECT_FALSE(key.WriteBinary("Missing", nullptr, 3));
    EXPECT_FALSE(key.WriteBinary("Negative", bytes, -1));
    key.Close();

    const char* path = "Software\\Horalume\\New\\Deeper";
    EXPECT_EQ(GetDword(path, "Dword"), 0xFFFFFFFFu);
    EXPECT_EQ(GetDword(path, "Bool"), 1u);
    DWORD type = 0;
    std::vector<BYTE> data;
    ASSERT_TRUE(GetRaw(path, "Text", type, data));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(data, (std::vector<BYTE>{'a', 'b', 'c', 0}));
    ASSERT_TRUE(GetRaw(path, "Binary", type, data));
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(data, (std::vector<BYTE>{7, 8, 9}));
    EXPECT_FALSE(GetRaw(path, "Missing", type, data));
    EXPECT_FALSE(GetRaw(path, "Negative", type, data));

    ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, path));
    EXPECT_TRUE(key.DeleteValue("Text"));
    EXPECT_FALSE(key.DeleteValue("Text")) << "nothing left to delete";
    EXPECT_FALSE(GetRaw(path, "Text", type, data));
}
