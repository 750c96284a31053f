// Tests get the paths of built files from CMake as Unix paths; Windows APIs
// such as CopyFileA and CreateProcessA want them with a drive letter.
#pragma once

#include <string>

// "/work/x/y.exe" becomes "Z:\work\x\y.exe" (Wine maps the Unix root to Z:).
std::string WindowsPath(const std::string& path);
