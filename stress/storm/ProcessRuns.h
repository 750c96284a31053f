// Programs the storms start: the package's own, and copies of storm.exe as
// DDE clients.
#pragma once

#include "taskbar/testing/JobProcess.h"
#include "win32/Win32Handles.h"

#include <windows.h>

#include <string>

// Runs the program (with the arguments) in its own directory and waits for
// it; its exit code, or -1 when it did not start or end in time.
int RunAndWait(const std::string& program, const std::string& arguments, DWORD creationFlags = 0);

// Starts the program in its own directory; its process, or none.
UniqueHandle StartInItsFolder(const std::string& program, const std::string& arguments);
// Waits for the process; its exit code, or -1 (then it is ended) when it did
// not end in time.
int WaitForExit(const UniqueHandle& process, DWORD timeoutMs);

// Starts the program in its own directory inside a job that ends it (and
// what it started) when the job handle closes; no process on failure.
testkit::JobProcess StartInJob(const std::string& program);
// Ends the job's processes and waits for the program to be gone.
void EndProgram(testkit::JobProcess& program);

// Runs `clients` copies of this program as DDE clients of countEach
// transactions each, all at once; returns how many failed.
unsigned RunStormClients(unsigned countEach, unsigned clients, unsigned firstSeed);

// Horalume's saved settings for a silent start (no properties sheet),
// with the clock format when one is given.
void SetHoralumeSettings(const char* clockFormat);
