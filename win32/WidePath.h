// File paths and command lines in UTF-16. The ANSI calls turn every character
// outside the system's code page into '?' (a user name in another script in
// the default install folder), and such a path names no file.
#pragma once

#include <windows.h>

#include <string>

// The full path of the module's file (null: the program's), or empty when
// it cannot be read.
std::wstring ModulePath(HMODULE module);

// Text in the system's ANSI code page (names of ours, wire texts) as UTF-16.
std::wstring WidenAnsi(const char* text);
