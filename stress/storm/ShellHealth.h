// How the shell stands before and after a storm: alive, the clock answering
// in time, the element table within its bounds, handles and resident memory.
#pragma once

#include <windows.h>

#include <string>

struct ShellHealth {
    bool alive = false;
    bool answered = false; // the clock answered a message within kAnswerMs
    double replyMs = 0;
    DWORD handles = 0;
    SIZE_T residentKb = 0;
};

constexpr DWORD kAnswerMs = 100;

// The process's state; clock is the window that must answer (null: none asked).
ShellHealth MeasureProcess(HANDLE process, HWND clock);

// Pokes more fresh names than the table may hold, reads them back and
// forgets them again; true when at most its bound was held and a value over
// the length bound was refused.
bool ElementTableBounded(std::string& report);

// Prints the storm's line and returns whether everything held: alive,
// answering, handles and resident memory within 2 % of before.
bool ReportHealth(const char* storm, const std::string& counts, const ShellHealth& before, const ShellHealth& after,
                  bool extraOk, const std::string& extra);
