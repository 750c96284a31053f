// Owners for every kind of handle the programs and the component hold: each
// releases its handle the one right way when it goes out of scope.
#pragma once

#include <windows.h>

#include <ddeml.h>

// One owned handle of type H, released by Free; movable, never copied.
template <typename H, typename Free> class UniqueWin32 {
public:
    explicit UniqueWin32(H handle = nullptr) : handle_(handle) {}
    ~UniqueWin32() { Reset(); }
    UniqueWin32(UniqueWin32&& other) noexcept : handle_(other.Release()) {}
    UniqueWin32& operator=(UniqueWin32&& other) noexcept
    {
        if (this != &other) {
            Reset(other.Release());
        }
        return *this;
    }
    UniqueWin32(const UniqueWin32&) = delete;
    UniqueWin32& operator=(const UniqueWin32&) = delete;

    H Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    // Gives the handle up without releasing it.
    H Release()
    {
        H handle = handle_;
        handle_ = nullptr;
        return handle;
    }
    // Releases the held handle, then holds handle.
    void Reset(H handle = nullptr)
    {
        if (handle_ != nullptr) {
            Free()(handle_);
        }
        handle_ = handle;
    }
    // Releases the held handle and returns the empty slot, for a call that
    // hands its handle back through an out-parameter.
    H* Put()
    {
        Reset();
        return &handle_;
    }

private:
    H handle_;
};

namespace win32free {
struct KernelHandle {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
struct Library {
    void operator()(HMODULE library) const { FreeLibrary(library); }
};
struct Hook {
    void operator()(HHOOK hook) const { UnhookWindowsHookEx(hook); }
};
struct GdiObject {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct MemoryDC {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct Menu {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct RegistryKey {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
struct WinEventHook {
    void operator()(HWINEVENTHOOK hook) const { UnhookWinEvent(hook); }
};
struct GlobalMemory {
    void operator()(HGLOBAL memory) const { GlobalFree(memory); }
};
} // namespace win32free

using UniqueHandle = UniqueWin32<HANDLE, win32free::KernelHandle>;
using UniqueLibrary = UniqueWin32<HMODULE, win32free::Library>;
using UniqueHook = UniqueWin32<HHOOK, win32free::Hook>;
using UniqueFont = UniqueWin32<HFONT, win32free::GdiObject>;
using UniqueBrush = UniqueWin32<HBRUSH, win32free::GdiObject>;
using UniquePen = UniqueWin32<HPEN, win32free::GdiObject>;
using UniqueBitmap = UniqueWin32<HBITMAP, win32free::GdiObject>;
using UniqueRegion = UniqueWin32<HRGN, win32free::GdiObject>;
// A DC made by CreateCompatibleDC (or CreateDC).
using UniqueMemoryDC = UniqueWin32<HDC, win32free::MemoryDC>;
// A menu that no window owns; a menu set on a window goes with the window.
using UniqueMenu = UniqueWin32<HMENU, win32free::Menu>;
using UniqueRegKey = UniqueWin32<HKEY, win32free::RegistryKey>;
using UniqueWinEventHook = UniqueWin32<HWINEVENTHOOK, win32free::WinEventHook>;
// Memory from GlobalAlloc that nobody (such as the clipboard) has taken over.
using UniqueGlobal = UniqueWin32<HGLOBAL, win32free::GlobalMemory>;

// A window's DC from GetDC, given back with ReleaseDC.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC()
    {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
        }
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint to EndPaint.
class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDC() { EndPaint(window_, &paint_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;

    HDC Get() const { return dc_; }
    const PAINTSTRUCT& Paint() const { return paint_; }

private:
    HWND window_;
    PAINTSTRUCT paint_ = {};
    HDC dc_;
};

// An object selected into a DC; the one it replaced is selected back on scope
// exit, so the object can be deleted after this owner has gone.
class DCSelection {
public:
    DCSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    ~DCSelection()
    {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) {
            SelectObject(dc_, previous_);
        }
    }
    DCSelection(const DCSelection&) = delete;
    DCSelection& operator=(const DCSelection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A DDEML instance; uninitializing it ends its conversations and frees its
// string handles.
class UniqueDdeInstance {
public:
    UniqueDdeInstance() = default;
    ~UniqueDdeInstance() { Reset(); }
    UniqueDdeInstance(UniqueDdeInstance&& other) noexcept : id_(other.Release()) {}
    UniqueDdeInstance& operator=(UniqueDdeInstance&& other) noexcept
    {
        if (this != &other) {
            Reset(other.Release());
        }
        return *this;
    }
    UniqueDdeInstance(const UniqueDdeInstance&) = delete;
    UniqueDdeInstance& operator=(const UniqueDdeInstance&) = delete;

    // Starts a new instance (after ending the held one); false if DDEML refused.
    bool Initialize(PFNCALLBACK callback, DWORD flags)
    {
        if (DdeInitializeA(Put(), callback, flags, 0) != DMLERR_NO_ERROR) {
            id_ = 0;
            return false;
        }
        return true;
    }
    DWORD Get() const { return id_; }
    explicit operator bool() const { return id_ != 0; }
    DWORD Release()
    {
        DWORD id = id_;
        id_ = 0;
        return id;
    }
    void Reset(DWORD id = 0)
    {
        if (id_ != 0) {
            DdeUninitialize(id_);
        }
        id_ = id;
    }
    // Ends the held instance and returns the empty slot for DdeInitializeA.
    DWORD* Put()
    {
        Reset();
        return &id_;
    }

private:
    DWORD id_ = 0;
};

// A DDEML string handle of one instance; must go before its instance does.
class DdeString {
public:
    DdeString() = default;
    DdeString(DWORD instance, const char* text)
        : instance_(instance), handle_(instance ? DdeCreateStringHandleA(instance, text, CP_WINANSI) : nullptr)
    {
    }
    ~DdeString() { Reset(); }
    DdeString(DdeString&& other) noexcept : instance_(other.instance_), handle_(other.handle_)
    {
        other.handle_ = nullptr;
    }
    DdeString& operator=(DdeString&& other) noexcept
    {
        if (this != &other) {
            Reset();
            instance_ = other.instance_;
            handle_ = other.handle_;
            other.handle_ = nullptr;
        }
        return *this;
    }
    DdeString(const DdeString&) = delete;
    DdeString& operator=(const DdeString&) = delete;

    HSZ Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset()
    {
        if (handle_ != nullptr) {
            DdeFreeStringHandle(instance_, handle_);
            handle_ = nullptr;
        }
    }

private:
    DWORD instance_ = 0;
    HSZ handle_ = nullptr;
};
