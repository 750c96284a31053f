// Runs a console program as a child process and collects what it writes.
#pragma once

#include "BuildPaths.h"

#include <windows.h>

#include <string>
#include <vector>

struct ChildResult {
    DWORD exitCode;
    std::string output; // standard output, byte for byte
    std::string errors; // standard error
};

// Each argument reaches the child's argv unchanged. Fails the calling test
// (and returns exit code ~0) if the program cannot be started.
ChildResult RunChild(const std::string& program, const std::vector<std::string>& arguments);
