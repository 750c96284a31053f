#include "stress/storm/ShellHealth.h"

#include "taskbar/testing/TaskbarTestKit.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kFreshNames = 70;
constexpr std::size_t kElementBound = 64;
constexpr double kAllowedGrowth = 0.02;

std::string FreshName(int index)
{
    return "STORM" + std::to_string(index);
}

bool WithinShare(double before, double after)
{
    return after <= before * (1 + kAllowedGrowth) && after >= before * (1 - kAllowedGrowth);
}

// Wine has no handle count of another process, but lists every process's
// handles in the system's handle table.
struct HandleEntry {
    ULONG ownerProcessId;
    BYTE objectType;
    BYTE flags;
    USHORT handle;
    PVOID object;
    ACCESS_MASK access;
};

DWORD HandlesInSystemTable(DWORD processId)
{
    using QueryFunction = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
    auto query = reinterpret_cast<QueryFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    constexpr ULONG kSystemHandleInformation = 16;
    constexpr LONG kLengthMismatch = static_cast<LONG>(0xC0000004);
    std::vector<BYTE> buffer(1 << 16);
    LONG status = kLengthMismatch;
    for (int attempt = 0; query && status == kLengthMismatch && attempt < 8; ++attempt) {
        ULONG needed = 0;
        status = query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed);
        if (status == kLengthMismatch) {
            buffer.resize(std::max<std::size_t>(buffer.size() * 2, needed + 4096));
        }
    }
    if (status != 0) {
        return 0;
    }
    ULONG count = *reinterpret_cast<const ULONG*>(buffer.data());
    const auto* entries = reinterpret_cast<const HandleEntry*>(buffer.data() + sizeof(ULONG_PTR));
    DWORD owned = 0;
    for (ULONG i = 0; i < count; ++i) {
        owned += entries[i].ownerProcessId == processId;
    }
    return owned;
}

double Percent(double before, double after)
{
    return before > 0 ? 100 * (after - before) / before : 0;
}

} // namespace

ShellHealth MeasureProcess(HANDLE process, HWND clock)
{
    ShellHealth health;
    health.alive = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    if (!GetProcessHandleCount(process, &health.handles) || health.handles == 0) {
        health.handles = HandlesInSystemTable(GetProcessId(process));
    }
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process, &memory, sizeof memory)) {
        health.residentKb = memory.WorkingSetSize / 1024;
    }
    if (clock == nullptr) {
        return health;
    }
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    DWORD_PTR length = 0;
    health.answered = SendMessageTimeoutA(clock, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerMs, &length) != 0;
    QueryPerformanceCounter(&end);
    health.replyMs = 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart;
    return health;
}

bool ElementTableBounded(std::string& report)
{
    int held = 0;
    for (int i = 0; i < kFreshNames; ++i) {
        testkit::PokeElement(FreshName(i), "x");
    }
    for (int i = 0; i < kFreshNames; ++i) {
        held += testkit::RequestElement(FreshName(i)).value_or("") == "x";
    }
    // Under Wine a refused poke reports success: read the value back.
    testkit::PokeElement(FreshName(0), std::string(256, 'v'));
    bool longRefused = testkit::RequestElement(FreshName(0)).value_or("").size() <= 255;
    for (int i = 0; i < kFreshNames; ++i) {
        testkit::PokeElement(FreshName(i), "");
    }
    report = "elements: " + std::to_string(held) + " of " + std::to_string(kFreshNames) + " fresh names held";
    if (!longRefused) {
        report += ", a 256-character value taken";
    }
    return static_cast<std::size_t>(held) <= kElementBound && longRefused;
}

bool ReportHealth(const char* storm, const std::string& counts, const ShellHealth& before, const ShellHealth& after,
                  bool extraOk, const std::string& extra)
{
    bool handlesOk = WithinShare(before.handles, after.handles);
    bool memoryOk = WithinShare(static_cast<double>(before.residentKb), static_cast<double>(after.residentKb));
    bool ok = after.alive && after.answered && handlesOk && memoryOk && extraOk;
    std::printf("%s: %s\n", storm, counts.c_str());
    std::printf("  %s, clock %s (%.1f ms)%s%s\n", after.alive ? "alive" : "DEAD",
                after.answered ? "answered" : "DID NOT ANSWER", after.replyMs, extra.empty() ? "" : ", ",
                extra.c_str());
    std::printf("  handles %lu -> %lu (%+.1f%%), resident %lu -> %lu KB (%+.1f%%): %s\n",
                static_cast<unsigned long>(before.handles), static_cast<unsigned long>(after.handles),
                Percent(before.handles, after.handles), static_cast<unsigned long>(before.residentKb),
                static_cast<unsigned long>(after.residentKb),
                Percent(static_cast<double>(before.residentKb), static_cast<double>(after.residentKb)),
                ok ? "ok" : "FAILED");
    std::fflush(stdout);
    return ok;
}
