// The storms against the clock component in the stand-in taskbar. Each
// starts a taskbar of its own, measures the shell after a short warm-up,
// storms, measures again and prints its counts and what held.
#pragma once

#include <string>

// Paths inside an installed package (cmake --install), Windows form.
struct Package {
    std::string dir;
    std::string Dll() const { return dir + "\\Horalume\\HORALUME.DLL"; }
    std::string Horalume() const { return dir + "\\Horalume\\Horalume.exe"; }
    std::string Decitray() const { return dir + "\\Decitray.exe"; }
    std::string Horaset() const { return dir + "\\Horalume\\horaset.exe"; }
};

// WM_COPYDATA of every size from 0 to maxSize, random content, each size
// once with dwData 0 and once with a random dwData.
bool CopyDataStorm(const Package& package, unsigned maxSize);
// count random DDE transactions from `clients` processes at once (copies of
// this program running RunDdeClient).
bool DdeStorm(const Package& package, unsigned count, unsigned clients);
// Raw DDE messages (no DDEML): rounds of requests and pokes without an item
// name, which must all be refused, each followed by a named poke and request.
bool RawDdeStorm(const Package& package, unsigned rounds);
// Horalume started count times (a silent install), each followed by "/U".
bool InstallCycles(const Package& package, unsigned count);
// The taskbar closed and started count times with Decitray running, the
// component installed anew through Horalume each time.
bool TaskbarRestarts(const Package& package, unsigned count);
