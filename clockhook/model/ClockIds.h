// The timer and hot-key ids the component uses on a clock window, in one
// place so that they never collide with each other or with the shell's own
// clock timers (small numbers).
#pragma once

#include <cstdint>

constexpr std::uintptr_t kTickTimer = 0x484C;   // the clock's second
constexpr std::uintptr_t kClickTimer = 0x484D;  // a single click waiting out the double-click time
constexpr std::uintptr_t kHideTimer = 0x484E;   // the tooltip hiding by itself
constexpr std::uintptr_t kScanTimer = 0x484F;   // the taskbars looked at again
constexpr std::uintptr_t kLocateTimer = 0x4850; // the clock locator's slow look
constexpr int kHotkeyId = 0x484C;               // Win+Alt+C
