// Owners for the few kinds of handle Horalume holds for one operation.
#pragma once

#include <windows.h>

template <typename H, BOOL(WINAPI* Release)(H)> class UniqueWin32 {
public:
    explicit UniqueWin32(H handle = nullptr) : handle_(handle) {}
    ~UniqueWin32()
    {
        if (handle_ != nullptr) {
            Release(handle_);
        }
    }
    UniqueWin32(const UniqueWin32&) = delete;
    UniqueWin32& operator=(const UniqueWin32&) = delete;

    H Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    H handle_;
};

using UniqueHandle = UniqueWin32<HANDLE, CloseHandle>;
using UniqueLibrary = UniqueWin32<HMODULE, FreeLibrary>;
using UniqueHook = UniqueWin32<HHOOK, UnhookWindowsHookEx>;
