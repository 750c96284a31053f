// Runs Decitray.exe for a while and checks that every whole second had its
// clock text delivered. bench/decitray.sh reads Decitray's CPU time and
// working set from /proc between the lines "measuring" and "measured" (Wine's
// GetProcessTimes and GetProcessMemoryInfo report the calling process).
//   decitray_bench.exe [seconds] [component|recorder]
// The receiver is the clock component in the stand-in taskbar (read back
// every 50 ms), or with "recorder" a recording DDE server of the bench's own.
#include "decimal/DecimalTime.h"
#include "decitray/tests/DecitrayProcess.h"
#include "decitray/tests/TestSupport.h"
#include "hookapi/ClockDefaults.h"
#include "resources/decitray/resource.h"
#include "taskbar/testing/RecordingDdeServer.h"
#include "taskbar/testing/TaskbarTestKit.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <memory>
#include <set>

namespace {

using Received = std::map<long long, std::set<std::string>>;

// The clock component with a format that shows both elements.
class ComponentReceiver {
public:
    bool Start()
    {
        if (!taskbar.Start() || !testkit::InstallClockComponent(HORALUME_DLL_PATH)) {
            return false;
        }
        ClockSettings settings = DefaultClockSettings();
        std::strncpy(settings.clockFormatString, "%DC%|%DD%", sizeof settings.clockFormatString - 1);
        return testkit::PushSettings(settings);
    }
    ~ComponentReceiver()
    {
        testkit::RemoveClockComponent(HORALUME_DLL_PATH);
        taskbar.Stop();
    }
    // Reads the clock's first line, the value of "DC", every 50 ms: each
    // value stands for about 400 ms. The window text, unlike a DDE request,
    // starts no conversation that would broadcast to Decitray's windows.
    void Watch(DWORD milliseconds, Received& received)
    {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < milliseconds) {
            const std::string text = testkit::ClockText();
            const std::string clock = text.substr(0, text.find('\n'));
            if (!clock.empty()) {
                received[static_cast<long long>(std::time(nullptr))].insert(clock);
            }
            PumpMessagesFor(50);
        }
    }

private:
    testkit::StandInTaskbar taskbar;
};

// Every whole second strictly inside the received span must have had its
// clock text delivered; the seconds at the edges were only partly watched.
int MissingSeconds(const Received& receivedByMoment)
{
    if (receivedByMoment.size() < 3) {
        return -1;
    }
    std::set<std::string> received;
    for (const auto& entry : receivedByMoment) {
        received.insert(entry.second.begin(), entry.second.end());
    }
    const long long first = receivedByMoment.begin()->first;
    const long long last = receivedByMoment.rbegin()->first;
    int missing = 0;
    for (long long moment = first + 1; moment < last; ++moment) {
        if (!received.count(DecimalClockText(static_cast<Moment>(moment)))) {
            std::printf("missing: second %lld, clock text %s\n", moment,
                        DecimalClockText(static_cast<Moment>(moment)).c_str());
            ++missing;
        }
    }
    std::printf("seconds checked: %lld\n", last - first - 1);
    return missing;
}

} // namespace

int main(int argc, char** argv)
{
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    const bool useComponent = !(argc > 2 && std::strcmp(argv[2], "recorder") == 0);
    std::unique_ptr<testkit::RecordingDdeServer> server;
    std::unique_ptr<ComponentReceiver> component;
    if (useComponent) {
        component = std::make_unique<ComponentReceiver>();
        if (!component->Start()) {
            std::printf("the clock component did not start\n");
            return 1;
        }
        std::printf("receiver: the clock component in the stand-in taskbar\n");
    } else {
        server = std::make_unique<testkit::RecordingDdeServer>();
        std::printf("receiver: recording DDE server of the bench\n");
    }

    DecitrayDirectory directory;
    DecitrayProcess decitray(directory);
    HWND main = decitray.MainWindow();
    if (!main) {
        std::printf("Decitray did not start\n");
        return 1;
    }
    PumpMessagesFor(3000); // start-up and the first connection are not what is measured

    const size_t pokesBefore = server ? server->Pokes().size() : 0;
    std::printf("measuring\n");
    std::fflush(stdout);
    const DWORD wallBefore = GetTickCount();
    Received received;
    if (component) {
        component->Watch(static_cast<DWORD>(seconds) * 1000, received);
    } else {
        PumpMessagesFor(static_cast<DWORD>(seconds) * 1000);
    }
    const DWORD wall = GetTickCount() - wallBefore;
    std::printf("measured\n");
    std::fflush(stdout);
    PostMessageA(main, WM_COMMAND, IDM_EXIT, 0);
    decitray.WaitForExit();

    if (server) {
        const std::vector<testkit::RecordedPoke> pokes = server->Pokes();
        for (size_t i = pokesBefore; i < pokes.size(); ++i) {
            if (pokes[i].item == "DC") {
                received[pokes[i].moment].insert(pokes[i].bytes.c_str());
            }
        }
        std::printf("pokes: %u\n", static_cast<unsigned>(pokes.size() - pokesBefore));
    }

    std::printf("wall time: %.1f s\n", wall / 1000.0);
    const int missing = MissingSeconds(received);
    std::printf("seconds without their clock text: %d\n", missing);
    return missing == 0 ? 0 : 2;
}
