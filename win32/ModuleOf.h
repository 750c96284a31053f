// The module (program or library) that code is linked into, without taking a
// reference on it.
#pragma once

#include <windows.h>

// Set by the linker in every module to the module's own image.
extern "C" IMAGE_DOS_HEADER __ImageBase;

// The module this code was linked into: the program's, or the library's when
// linked into a library.
inline HMODULE ThisModule()
{
    return reinterpret_cast<HMODULE>(&__ImageBase);
}

// The module whose image holds the address (code or data), or null.
inline HMODULE ModuleOf(const void* address)
{
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       static_cast<LPCSTR>(address), &module);
    return module;
}

// A new reference on this module, so it stays mapped until FreeLibrary; null
// if none could be taken.
inline HMODULE TakeModuleReference()
{
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCSTR>(&__ImageBase), &module);
    return module;
}
