// A process started inside a job that ends it, and whatever it started, when
// the job's handle closes: nothing outlives the test or run that started it,
// even one that dies first.
#pragma once

#include "win32/Win32Handles.h"

#include <windows.h>

#include <string>

namespace testkit {

struct JobProcess {
    UniqueHandle job;
    UniqueHandle process;
    DWORD processId = 0;
    DWORD threadId = 0;
};

// Starts the command line in the directory (empty: ours), in the job before
// it runs a single instruction; false (started left empty) when it cannot.
bool StartInJob(const std::string& commandLine, const std::string& directory, JobProcess& started);

} // namespace testkit
