#include "RegKey.h"

#include "WidePath.h"

#include <algorithm>
#include <cstring>
#include <vector>

// Reads a whole value, whatever its size, with its type. Values may change
// between the size query and the read, so a grown value is asked for again.
static bool QueryValue(HKEY key, const char* name, DWORD& type, std::vector<BYTE>& data)
{
    if (!key) {
        return false;
    }
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD size = 0;
        if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
            return false;
        }
        data.assign(size, 0);
        LONG result = RegQueryValueExA(key, name, nullptr, &type, data.empty() ? nullptr : data.data(), &size);
        if (result == ERROR_SUCCESS) {
            data.resize(size);
            return true;
        }
        if (result != ERROR_MORE_DATA) {
            return false;
        }
    }
    return false;
}

bool RegKeyReader::Open(HKEY root, const char* path, const char* subkey)
{
    Close();
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, JoinKeyPath(path, subkey).c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
        key_.Reset(key);
    }
    return IsOpen();
}

std::int32_t RegKeyReader::ReadDword(const char* name, std::int32_t defaultValue) const
{
    if (!key_) {
        return defaultValue;
    }
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegQueryValueExA(key_.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value)
        return defaultValue;
    return static_cast<std::int32_t>(value);
}

bool RegKeyReader::ReadBool(const char* name, bool defaultValue) const
{
    return ReadDword(name, defaultValue ? 1 : 0) != 0;
}

std::int32_t RegKeyReader::ReadClamped(const char* name, std::int32_t defaultValue, std::int32_t low,
                                       std::int32_t high) const
{
    return ClampSigned(ReadDword(name, defaultValue), low, high);
}

std::uint32_t RegKeyReader::ReadClampedUnsigned(const char* name, std::uint32_t defaultValue, std::uint32_t low,
                                                std::uint32_t high) const
{
    auto value = static_cast<std::uint32_t>(ReadDword(name, static_cast<std::int32_t>(defaultValue)));
    return ClampUnsigned(value, low, high);
}

void RegKeyReader::ReadString(const char* name, const char* defaultValue, char* buffer, std::size_t size) const
{
    if (!buffer || size == 0) {
        return;
    }
    DWORD type = 0;
    std::vector<BYTE> data;
    if (QueryValue(key_.Get(), name, type, data) && type == REG_SZ) {
        CopyTextField(buffer, size, reinterpret_cast<const char*>(data.data()), data.size());
    } else {
        CopyTextField(buffer, size, defaultValue, defaultValue ? std::strlen(defaultValue) : 0);
    }
}

std::unique_ptr<char[]> RegKeyReader::ReadString(const char* name, const char* defaultValue) const
{
    DWORD type = 0;
    std::vector<BYTE> data;
    const char* text = defaultValue;
    std::size_t length = defaultValue ? std::strlen(defaultValue) : 0;
    if (QueryValue(key_.Get(), name, type, data) && type == REG_SZ) {
        text = reinterpret_cast<const char*>(data.data());
        length = data.size();
    } else if (!defaultValue) {
        return nullptr;
    }
    // Zero-filled, with room for a NUL the stored data may lack.
    std::unique_ptr<char[]> copy(new char[length + 1]());
    CopyTextField(copy.get(), length + 1, text, length);
    return copy;
}

void RegKeyReader::ReadBinary(const char* name, const void* defaultValue, void* buffer, std::size_t size) const
{
    if (!buffer) {
        return;
    }
    DWORD type = 0;
    std::vector<BYTE> data;
    if (QueryValue(key_.Get(), name, type, data) && type == REG_BINARY) {
        if (!data.empty()) {
            std::memcpy(buffer, data.data(), std::min(data.size(), size));
        }
    } else if (defaultValue) {
        std::memcpy(buffer, defaultValue, size);
    }
}

bool RegKeyWriter::Create(HKEY root, const char* path, const char* subkey)
{
    Close();
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, JoinKeyPath(path, subkey).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) == ERROR_SUCCESS) {
        key_.Reset(key);
    }
    return IsOpen();
}

bool RegKeyWriter::WriteDword(const char* name, std::int32_t value) const
{
    DWORD data = static_cast<DWORD>(value);
    return key_ && RegSetValueExA(key_.Get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data) ==
                       ERROR_SUCCESS;
}

bool RegKeyWriter::WriteBool(const char* name, bool flag) const
{
    return WriteDword(name, flag ? 1 : 0);
}

bool RegKeyWriter::WriteString(const char* name, const char* text) const
{
    if (!key_ || !text) {
        return false;
    }
    auto size = static_cast<DWORD>(std::strlen(text) + 1);
    return RegSetValueExA(key_.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), size) == ERROR_SUCCESS;
}

bool RegKeyWriter::WriteString(const char* name, const std::wstring& text) const
{
    if (!key_) {
        return false;
    }
    auto size = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key_.Get(), WidenAnsi(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          size) == ERROR_SUCCESS;
}

bool RegKeyWriter::WriteBinary(const char* name, const void* data, int size) const
{
    if (!key_ || !data || size < 0) {
        return false;
    }
    return RegSetValueExA(key_.Get(), name, 0, REG_BINARY, static_cast<const BYTE*>(data), static_cast<DWORD>(size)) ==
           ERROR_SUCCESS;
}

bool RegKeyWriter::DeleteValue(const char* name) const
{
    return key_ && RegDeleteValueA(key_.Get(), name) == ERROR_SUCCESS;
}
