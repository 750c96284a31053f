#include "stress/storm/ProcessRuns.h"

#include <vector>

namespace {

constexpr DWORD kProgramTimeoutMs = 30000;
constexpr DWORD kClientsTimeoutMs = 30 * 60 * 1000;

std::string DirectoryOf(const std::string& path)
{
    std::string::size_type slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::string QuotedLine(const std::string& program, const std::string& arguments)
{
    return "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments);
}

UniqueHandle Start(const std::string& program, const std::string& arguments, DWORD flags)
{
    std::string line = QuotedLine(program, arguments);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    std::string directory = DirectoryOf(program);
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, flags, nullptr, directory.c_str(), &startup,
                        &info)) {
        return UniqueHandle();
    }
    UniqueHandle thread(info.hThread);
    return UniqueHandle(info.hProcess);
}

std::string ThisProgram()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string(path, length < sizeof path ? length : 0);
}

} // namespace

int WaitForExit(const UniqueHandle& process, DWORD timeoutMs)
{
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.Get(), timeoutMs) != WAIT_OBJECT_0 || !GetExitCodeProcess(process.Get(), &code)) {
        TerminateProcess(process.Get(), 1);
        code = static_cast<DWORD>(-1);
    }
    return static_cast<int>(code);
}

UniqueHandle StartInItsFolder(const std::string& program, const std::string& arguments)
{
    return Start(program, arguments, 0);
}

int RunAndWait(const std::string& program, const std::string& arguments, DWORD flags)
{
    UniqueHandle process = Start(program, arguments, flags);
    if (!process) {
        return -1;
    }
    return WaitForExit(process, kProgramTimeoutMs);
}

testkit::JobProcess StartInJob(const std::string& program)
{
    testkit::JobProcess started;
    testkit::StartInJob(QuotedLine(program, ""), DirectoryOf(program), started);
    return started;
}

void EndProgram(testkit::JobProcess& program)
{
    if (program.job) {
        TerminateJobObject(program.job.Get(), 1);
    }
    if (program.process) {
        WaitForSingleObject(program.process.Get(), kProgramTimeoutMs);
    }
    program = testkit::JobProcess();
}

unsigned RunStormClients(unsigned countEach, unsigned clients, unsigned firstSeed)
{
    std::vector<UniqueHandle> processes;
    unsigned failed = 0;
    for (unsigned i = 0; i < clients; ++i) {
        std::string arguments = "dde-client " + std::to_string(countEach) + " " + std::to_string(firstSeed + i);
        UniqueHandle process = Start(ThisProgram(), arguments, 0);
        if (!process) {
            ++failed;
            continue;
        }
        processes.push_back(std::move(process));
    }
    for (const UniqueHandle& process : processes) {
        failed += WaitForExit(process, kClientsTimeoutMs) != 0;
    }
    return failed;
}

void SetHoralumeSettings(const char* clockFormat)
{
    HKEY opened = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Horalume\\Settings", 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &opened, nullptr) != ERROR_SUCCESS) {
        return;
    }
    UniqueRegKey key(opened);
    DWORD zero = 0;
    RegSetValueExA(key.Get(), "ShowProperties", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&zero), sizeof zero);
    if (clockFormat != nullptr) {
        RegSetValueExA(key.Get(), "ClockFormatString", 0, REG_SZ, reinterpret_cast<const BYTE*>(clockFormat),
                       static_cast<DWORD>(strlen(clockFormat) + 1));
    }
}
