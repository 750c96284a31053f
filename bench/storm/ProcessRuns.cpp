#include "ProcessRuns.h"

#include <vector>

namespace {

constexpr DWORD kProgramTimeoutMs = 30000;
constexpr DWORD kClientsTimeoutMs = 30 * 60 * 1000;

std::string DirectoryOf(const std::string& path)
{
    std::string::size_type slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

bool Start(const std::string& program, const std::string& arguments, DWORD flags, PROCESS_INFORMATION& info)
{
    std::string line = "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments);
    std::vector<char> mutableLine(line.begin(), line.end());
    mutableLine.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    info = {};
    std::string directory = DirectoryOf(program);
    return CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, flags, nullptr, directory.c_str(),
                          &startup, &info) != FALSE;
}

std::string ThisProgram()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string(path, length < sizeof path ? length : 0);
}

} // namespace

int WaitForExit(HANDLE process, DWORD timeoutMs)
{
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process, timeoutMs) != WAIT_OBJECT_0 || !GetExitCodeProcess(process, &code)) {
        TerminateProcess(process, 1);
        code = static_cast<DWORD>(-1);
    }
    CloseHandle(process);
    return static_cast<int>(code);
}

HANDLE StartInItsFolder(const std::string& program, const std::string& arguments)
{
    PROCESS_INFORMATION info;
    if (!Start(program, arguments, 0, info))
        return nullptr;
    CloseHandle(info.hThread);
    return info.hProcess;
}

int RunAndWait(const std::string& program, const std::string& arguments, DWORD flags)
{
    PROCESS_INFORMATION info;
    if (!Start(program, arguments, flags, info))
        return -1;
    CloseHandle(info.hThread);
    return WaitForExit(info.hProcess, kProgramTimeoutMs);
}

StartedProgram StartInJob(const std::string& program)
{
    StartedProgram started;
    started.job = CreateJobObjectA(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(started.job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    PROCESS_INFORMATION info;
    if (!Start(program, "", CREATE_SUSPENDED, info)) {
        EndProgram(started);
        return started;
    }
    AssignProcessToJobObject(started.job, info.hProcess);
    ResumeThread(info.hThread);
    CloseHandle(info.hThread);
    started.process = info.hProcess;
    return started;
}

void EndProgram(StartedProgram& program)
{
    if (program.job != nullptr) {
        TerminateJobObject(program.job, 1);
        CloseHandle(program.job);
    }
    if (program.process != nullptr) {
        WaitForSingleObject(program.process, kProgramTimeoutMs);
        CloseHandle(program.process);
    }
    program = StartedProgram();
}

unsigned RunStormClients(unsigned countEach, unsigned clients, unsigned firstSeed)
{
    std::vector<HANDLE> processes;
    unsigned failed = 0;
    for (unsigned i = 0; i < clients; ++i) {
        PROCESS_INFORMATION info;
        std::string arguments = "dde-client " + std::to_string(countEach) + " " + std::to_string(firstSeed + i);
        if (!Start(ThisProgram(), arguments, 0, info)) {
            ++failed;
            continue;
        }
        CloseHandle(info.hThread);
        processes.push_back(info.hProcess);
    }
    for (HANDLE process : processes)
        failed += WaitForExit(process, kClientsTimeoutMs) != 0;
    return failed;
}

void SetHoralumeSettings(const char* clockFormat)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Horalume\\Settings", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    DWORD zero = 0;
    RegSetValueExA(key, "ShowProperties", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&zero), sizeof zero);
    if (clockFormat != nullptr)
        RegSetValueExA(key, "ClockFormatString", 0, REG_SZ, reinterpret_cast<const BYTE*>(clockFormat),
                       static_cast<DWORD>(strlen(clockFormat) + 1));
    RegCloseKey(key);
}
