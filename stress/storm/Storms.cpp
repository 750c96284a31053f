#include "stress/storm/Storms.h"

#include "hookapi/ClockDefaults.h"
#include "hookapi/HookApi.h"
#include "stress/storm/ProcessRuns.h"
#include "stress/storm/RawDde.h"
#include "stress/storm/ShellHealth.h"
#include "taskbar/testing/TaskbarTestKit.h"

#include <cstdio>
#include <random>
#include <vector>

namespace {

// A taskbar of the storm's own with the component installed from the package.
bool StartWithComponent(testkit::StandInTaskbar& taskbar, const Package& package)
{
    if (taskbar.Start() && testkit::InstallClockComponent(package.Dll())) {
        return true;
    }
    std::printf("cannot start the taskbar with the component from %s\n", package.Dll().c_str());
    return false;
}

struct CopyDataCounts {
    unsigned sent = 0;
    unsigned accepted = 0;
    unsigned wronglyAccepted = 0; // anything but one record with dwData 0
};

void SendEverySize(unsigned maxSize, std::mt19937_64& random, CopyDataCounts& counts)
{
    std::vector<unsigned char> data(maxSize + 1);
    for (unsigned size = 0; size <= maxSize; ++size) {
        for (unsigned char& byte : data) {
            byte = static_cast<unsigned char>(random());
        }
        for (ULONG_PTR dwData : {ULONG_PTR(0), static_cast<ULONG_PTR>(random() | 1)}) {
            ++counts.sent;
            if (testkit::SendCopyData(dwData, data.data(), size) == 0) {
                continue;
            }
            ++counts.accepted;
            if (size != kClockSettingsSize || dwData != hookapi::kSettingsCopyDataId) {
                ++counts.wronglyAccepted;
            }
        }
    }
}

// The component's table after a storm, then the component taken out.
bool CheckAndRemove(const Package& package, std::string& report)
{
    bool bounded = ElementTableBounded(report);
    if (!testkit::RemoveClockComponent(package.Dll())) {
        report += ", removing failed";
        return false;
    }
    return bounded;
}

// Wine's DDEML keeps about 57 bytes of every request it answers, so the
// rounds name an item only now and then.
constexpr unsigned kRoundsPerNamedCheck = 50;

// Requests and pokes without an item name, in CF_TEXT and in other formats;
// every so often a named poke and request that must still be served. Each
// message carries an atom of its own: the answer's atom is the client's to
// delete.
void RawRounds(RawDdeClient& client, unsigned rounds, std::mt19937& random, RawDdeCounts& nameless, RawDdeCounts& named)
{
    for (unsigned i = 0; i < rounds; ++i) {
        UINT format = random() % 2 ? CF_TEXT : random() % 0x10000;
        client.Request(format, 0, nameless);
        client.Poke(format, 0, "nameless", nameless);
        if (i % kRoundsPerNamedCheck == 0) {
            client.Poke(CF_TEXT, GlobalAddAtomA("RAW"), std::to_string(i).c_str(), named);
            client.Request(CF_TEXT, GlobalAddAtomA("RAW"), named);
        }
    }
}

} // namespace

bool RawDdeStorm(const Package& package, unsigned rounds)
{
    testkit::StandInTaskbar taskbar;
    RawDdeClient client;
    if (!StartWithComponent(taskbar, package) || !client.Connect(hookapi::kServiceName, hookapi::kTopicName)) {
        std::printf("raw: no conversation with the component\n");
        return false;
    }
    std::mt19937 random(0);
    RawDdeCounts nameless, named;
    RawRounds(client, rounds / 100 + 1, random, nameless, named); // warm-up
    ShellHealth before = MeasureProcess(taskbar.Process(), taskbar.ClockWindow());
    nameless = named = RawDdeCounts();
    RawRounds(client, rounds, random, nameless, named);
    ShellHealth after = MeasureProcess(taskbar.Process(), taskbar.ClockWindow());
    client.Disconnect();

    std::string report;
    bool served = named.accepted + named.data == named.sent;
    bool ok = CheckAndRemove(package, report) && nameless.refused == nameless.sent && served;
    std::string line = std::to_string(nameless.sent) + " requests and pokes without an item name, " +
                       std::to_string(nameless.refused) + " refused, " + std::to_string(nameless.accepted) +
                       " accepted, " + std::to_string(nameless.data) + " answered with data, " +
                       std::to_string(nameless.silent) +
                       " unanswered; named: " + std::to_string(named.accepted + named.data) + " of " +
                       std::to_string(named.sent) + " served";
    return ReportHealth("raw", line, before, after, ok, report);
}

bool CopyDataStorm(const Package& package, unsigned maxSize)
{
    testkit::StandInTaskbar taskbar;
    if (!StartWithComponent(taskbar, package)) {
        return false;
    }
    std::mt19937_64 random(536);
    CopyDataCounts warmUp;
    SendEverySize(600, random, warmUp);
    testkit::PushSettings(DefaultClockSettings());
    ShellHealth before = MeasureProcess(taskbar.Process(), taskbar.ClockWindow());

    CopyDataCounts counts;
    SendEverySize(maxSize, random, counts);
    testkit::PushSettings(DefaultClockSettings());
    ShellHealth after = MeasureProcess(taskbar.Process(), taskbar.ClockWindow());

    std::string report;
    bool ok = CheckAndRemove(package, report) && counts.wronglyAccepted == 0;
    std::string line = std::to_string(counts.sent) + " messages of 0 to " + std::to_string(maxSize) + " bytes, " +
                       std::to_string(counts.accepted) + " accepted, " + std::to_string(counts.wronglyAccepted) +
                       " wrongly";
    return ReportHealth("copydata", line, before, after, ok, report);
}

bool DdeStorm(const Package& package, unsigned count, unsigned clients)
{
    testkit::StandInTaskbar taskbar;
    if (!StartWithComponent(taskbar, package) || clients == 0) {
        return false;
    }
    RunStormClients(count / 100 + 1, 1, 7); // warm-up
    ShellHealth before = MeasureProcess(taskbar.Process(), taskbar.ClockWindow());

    unsigned failedClients = RunStormClients(count / clients, clients, 1);
    ShellHealth after = MeasureProcess(taskbar.Process(), taskbar.ClockWindow());

    std::string report;
    bool ok = CheckAndRemove(package, report) && failedClients == 0;
    std::string line = std::to_string(count / clients * clients) + " transactions from " + std::to_string(clients) +
                       " clients at once, " + std::to_string(failedClients) + " clients failed";
    return ReportHealth("dde", line, before, after, ok, report);
}

bool InstallCycles(const Package& package, unsigned count)
{
    SetHoralumeSettings(nullptr);
    testkit::StandInTaskbar taskbar;
    if (!taskbar.Start()) {
        return false;
    }
    unsigned installed = 0, removed = 0;
    auto cycle = [&] {
        RunAndWait(package.Horalume(), "");
        installed += testkit::IsComponentInstalled();
        RunAndWait(package.Horalume(), "/U");
        removed += testkit::WaitUntil([] { return !testkit::IsComponentInstalled(); }, 2000);
    };
    cycle(); // warm-up
    ShellHealth before = MeasureProcess(taskbar.Process(), taskbar.ClockWindow());
    installed = removed = 0;
    for (unsigned i = 0; i < count; ++i) {
        cycle();
    }
    ShellHealth after = MeasureProcess(taskbar.Process(), taskbar.ClockWindow());
    std::string line = std::to_string(count) + " cycles, " + std::to_string(installed) + " installed, " +
                       std::to_string(removed) + " removed";
    return ReportHealth("cycles", line, before, after, installed == count && removed == count, "");
}
