#include "win32/RegKey.h"

#include "hookapi/StoredFields.h"
#include "win32/WidePath.h"

#include <algorithm>
#include <cstring>
#include <vector>

std::string JoinKeyPath(const char* path, const char* subkey)
{
    std::string joined = path ? path : "";
    if (subkey && *subkey) {
        if (!joined.empty()) {
            joined += '\\';
        }
        joined += subkey;
    }
    return joined;
}

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
    if (RegOpenKeyExA(root, JoinKeyPath(path, subkey).c_str(), 0, KEY_READ, key_.Put()) != ERROR_SUCCESS) {
        key_.Release(); // nothing was opened, whatever the call left in the slot
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
        type != REG_DWORD || size != sizeof value) {
        return defaultValue;
    }
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

bool RegKeyWriter::Check(LONG result) const
{
    if (result != ERROR_SUCCESS && firstError_ == ERROR_SUCCESS) {
        firstError_ = result;
    }
    return result == ERROR_SUCCESS;
}

bool RegKeyWriter::Create(HKEY root, const char* path, const char* subkey)
{
    if (!Check(RegCreateKeyExA(root, JoinKeyPath(path, subkey).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                               KEY_ALL_ACCESS, nullptr, key_.Put(), nullptr))) {
        key_.Release(); // nothing was created, whatever the call left in the slot
    }
    return IsOpen();
}

bool RegKeyWriter::WriteDword(const char* name, std::int32_t value) const
{
    DWORD data = static_cast<DWORD>(value);
    return WriteBinaryAs(name, REG_DWORD, &data, sizeof data);
}

bool RegKeyWriter::WriteBool(const char* name, bool flag) const
{
    return WriteDword(name, flag ? 1 : 0);
}

bool RegKeyWriter::WriteString(const char* name, const char* text) const
{
    if (!text) {
        return Check(ERROR_INVALID_PARAMETER);
    }
    return WriteBinaryAs(name, REG_SZ, text, std::strlen(text) + 1);
}

bool RegKeyWriter::WriteString(const char* name, const std::wstring& text) const
{
    if (!key_) {
        return Check(ERROR_INVALID_HANDLE);
    }
    auto size = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    return Check(RegSetValueExW(key_.Get(), WidenAnsi(name).c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(text.c_str()), size));
}

bool RegKeyWriter::WriteBinary(const char* name, const void* data, int size) const
{
    if (!data || size < 0) {
        return Check(ERROR_INVALID_PARAMETER);
    }
    return WriteBinaryAs(name, REG_BINARY, data, static_cast<std::size_t>(size));
}

bool RegKeyWriter::WriteBinaryAs(const char* name, DWORD type, const void* data, std::size_t size) const
{
    if (!key_) {
        // The group's key could not be created: its failure is already kept.
        return Check(ERROR_INVALID_HANDLE);
    }
    return Check(RegSetValueExA(key_.Get(), name, 0, type, static_cast<const BYTE*>(data), static_cast<DWORD>(size)));
}

bool RegKeyWriter::DeleteValue(const char* name) const
{
    if (!key_) {
        return Check(ERROR_INVALID_HANDLE);
    }
    LONG result = RegDeleteValueA(key_.Get(), name);
    return Check(result == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : result) && result == ERROR_SUCCESS;
}
