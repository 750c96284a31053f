// Horalume's command line: the one switch it knows. Portable.
#pragma once

// True for "/U", "-u", "-uninstall" and the like: a slash or dash followed by U
// or u; whatever follows does not matter.
bool IsUninstallSwitch(const char* argument);

// True when any argument after the program name (argv[0]) is the uninstall switch.
bool WantsUninstall(int argc, char** argv);
