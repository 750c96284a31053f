// Small helpers the pages share for reading their controls into the record.
#pragma once

#include "hookapi/ClockSettings.h"

#include <windows.h>

#include <cstdint>

inline bool IsChecked(HWND page, int control)
{
    return IsDlgButtonChecked(page, control) == BST_CHECKED;
}

inline void Check(HWND page, int control, bool on)
{
    CheckDlgButton(page, control, on ? BST_CHECKED : BST_UNCHECKED);
}

inline void SetBits(std::uint32_t& bits, std::uint32_t mask, bool on)
{
    bits = on ? bits | mask : bits & ~mask;
}

inline void SetDisplayFlag(ClockSettings& settings, std::uint32_t flag, bool on)
{
    SetBits(settings.displayFlags, flag, on);
}

inline bool HasDisplayFlag(const ClockSettings& settings, std::uint32_t flag)
{
    return (settings.displayFlags & flag) != 0;
}

// Copies a format box into its 120-byte record field, always terminated.
inline void ReadFormatBox(HWND page, int control, char (&field)[kFormatFieldSize])
{
    GetDlgItemTextA(page, control, field, sizeof field);
}
