#include "taskbar/testing/BuildPaths.h"

std::string WindowsPath(const std::string& path)
{
    std::string result = !path.empty() && path[0] == '/' ? "Z:" + path : path;
    for (char& c : result) {
        if (c == '/') {
            c = '\\';
        }
    }
    return result;
}
