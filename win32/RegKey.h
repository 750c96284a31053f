// A small registry wrapper: one key open for one group of reads or writes.
// Missing keys, missing values and values of another type read as defaults.
#pragma once

#include "win32/Win32Handles.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

// Joins a path and a subkey with one backslash; an empty or missing part adds none.
std::string JoinKeyPath(const char* path, const char* subkey);

class RegKeyReader {
public:
    bool Open(HKEY root, const char* path, const char* subkey = nullptr);
    void Close() { key_.Reset(); }
    bool IsOpen() const { return static_cast<bool>(key_); }

    std::int32_t ReadDword(const char* name, std::int32_t defaultValue) const;
    bool ReadBool(const char* name, bool defaultValue) const;
    std::int32_t ReadClamped(const char* name, std::int32_t defaultValue, std::int32_t low, std::int32_t high) const;
    std::uint32_t ReadClampedUnsigned(const char* name, std::uint32_t defaultValue, std::uint32_t low,
                                      std::uint32_t high) const;
    // Fills buffer (size bytes, always NUL-terminated) with the REG_SZ value or the default.
    void ReadString(const char* name, const char* defaultValue, char* buffer, std::size_t size) const;
    // A new zero-filled buffer of at least the stored length + 1, or the default;
    // null when the value is absent and there is no default.
    std::unique_ptr<char[]> ReadString(const char* name, const char* defaultValue) const;
    // Copies at most size bytes of a REG_BINARY value; a shorter value leaves the
    // rest of buffer untouched; absent: size bytes of defaultValue, or nothing.
    void ReadBinary(const char* name, const void* defaultValue, void* buffer, std::size_t size) const;

protected:
    UniqueRegKey key_;
};

// Remembers the first failure of its creates and writes, so that a caller can
// write a whole group and then tell the user once why it was not saved.
class RegKeyWriter : public RegKeyReader {
public:
    bool Create(HKEY root, const char* path, const char* subkey = nullptr);
    // ERROR_SUCCESS, or the system error of the first create or write that failed.
    LONG FirstError() const { return firstError_; }

    bool WriteDword(const char* name, std::int32_t value) const;
    bool WriteBool(const char* name, bool flag) const;
    bool WriteString(const char* name, const char* text) const;
    // REG_SZ through the wide call, so a path keeps every character.
    bool WriteString(const char* name, const std::wstring& text) const;
    bool WriteBinary(const char* name, const void* data, int size) const;
    // An absent value counts as deleted, not as a failure.
    bool DeleteValue(const char* name) const;

private:
    bool Check(LONG result) const;
    bool WriteBinaryAs(const char* name, DWORD type, const void* data, std::size_t size) const;

    mutable LONG firstError_ = ERROR_SUCCESS;
};
