// Runs Decitray.exe for a while and measures what its ticks cost: CPU time
// as a share of one core, the working set, and whether every whole second
// had its clock text delivered. Run through bench/decitray.sh.
#include "DecimalTime.h"
#include "DecitrayProcess.h"
#include "RecordingDdeServer.h"
#include "TestSupport.h"

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <set>

namespace {

ULONGLONG CpuTime100ns(HANDLE process)
{
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user))
        return 0;
    const ULARGE_INTEGER k = {{kernel.dwLowDateTime, kernel.dwHighDateTime}};
    const ULARGE_INTEGER u = {{user.dwLowDateTime, user.dwHighDateTime}};
    return k.QuadPart + u.QuadPart;
}

// Every whole second strictly inside the received span must have had its
// clock text delivered; the seconds at the edges were only partly watched.
int MissingSeconds(const std::map<long long, std::set<std::string>>& receivedByMoment)
{
    if (receivedByMoment.size() < 3)
        return -1;
    std::set<std::string> received;
    for (const auto& entry : receivedByMoment)
        received.insert(entry.second.begin(), entry.second.end());
    const long long first = receivedByMoment.begin()->first;
    const long long last = receivedByMoment.rbegin()->first;
    int missing = 0;
    for (long long moment = first + 1; moment < last; ++moment)
        if (!received.count(DecimalClockText(static_cast<Moment>(moment)))) {
            std::printf("missing: second %lld, clock text %s\n", moment,
                        DecimalClockText(static_cast<Moment>(moment)).c_str());
            ++missing;
        }
    std::printf("seconds checked: %lld\n", last - first - 1);
    return missing;
}

} // namespace

int main(int argc, char** argv)
{
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    RecordingDdeServer server;
    std::printf("receiver: recording DDE server of the bench\n");

    DecitrayDirectory directory;
    DecitrayProcess decitray(directory);
    HWND main = decitray.MainWindow();
    if (!main) {
        std::printf("Decitray did not start\n");
        return 1;
    }
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, [&] {
        DWORD id = 0;
        GetWindowThreadProcessId(main, &id);
        return id;
    }());
    PumpMessagesFor(3000); // start-up and the first connection are not what is measured

    const size_t pokesBefore = server.Pokes().size();
    const ULONGLONG cpuBefore = CpuTime100ns(process);
    const DWORD wallBefore = GetTickCount();
    PumpMessagesFor(static_cast<DWORD>(seconds) * 1000);
    const ULONGLONG cpuAfter = CpuTime100ns(process);
    const DWORD wall = GetTickCount() - wallBefore;

    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process, &memory, sizeof memory);
    CloseHandle(process);
    PostMessageA(main, WM_COMMAND, 105, 0);
    decitray.WaitForExit();

    std::map<long long, std::set<std::string>> received;
    const std::vector<RecordedPoke> pokes = server.Pokes();
    for (size_t i = pokesBefore; i < pokes.size(); ++i)
        if (pokes[i].item == "DC")
            received[pokes[i].moment].insert(pokes[i].bytes.c_str());

    std::printf("wall time: %.1f s\n", wall / 1000.0);
    std::printf("pokes: %u\n", static_cast<unsigned>(pokes.size() - pokesBefore));
    std::printf("cpu time: %.3f s (%.3f%% of one core)\n", (cpuAfter - cpuBefore) / 1e7,
                100.0 * (cpuAfter - cpuBefore) / 1e4 / wall);
    std::printf("working set: %.1f MB (peak %.1f MB)\n", memory.WorkingSetSize / 1048576.0,
                memory.PeakWorkingSetSize / 1048576.0);
    const int missing = MissingSeconds(received);
    std::printf("seconds without their clock text: %d\n", missing);
    return missing == 0 ? 0 : 2;
}
