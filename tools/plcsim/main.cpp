// plcsim: simulated PLC stations on a pseudo-terminal, so the kit's server
// and panels can be run and demonstrated without a PLC or a serial cable.
#include <signal.h>

#include <chrono>
#include <cstdio>
#include <exception>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "tools/plcsim/at_modem.h"
#include "tools/plcsim/live_scripts.h"
#include "tools/plcsim/options.h"
#include "tools/plcsim/pty_server.h"
#include "tools/plcsim/simulation_setup.h"
#include "tools/plcsim/station_set.h"

namespace {

volatile sig_atomic_t g_stop_requested = 0;
// 1 after SIGUSR1 (every station falls silent, as if the cable were
// pulled), 0 after SIGUSR2 (they answer again); -1 until either arrives.
volatile sig_atomic_t g_silenced = -1;

void RequestStop(int)
{
    g_stop_requested = 1;
}

void Silence(int signal)
{
    g_silenced = signal == SIGUSR1 ? 1 : 0;
}

void CatchStopSignals()
{
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    // A closed terminal must not leave the link behind either.
    sigaction(SIGHUP, &action, nullptr);
    action.sa_handler = Silence;
    sigaction(SIGUSR1, &action, nullptr);
    sigaction(SIGUSR2, &action, nullptr);
}

// Each station keeps its own faults; silence comes on top and goes again.
void ApplySilence(plcsim::StationSet& stations, const std::vector<plcsim::Faults>& own, bool silenced)
{
    const std::vector<int> numbers = stations.Numbers();
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        plcsim::Faults faults = own[i];
        faults.silent = faults.silent || silenced;
        stations.Find(numbers[i])->SetFaults(faults);
    }
}

std::string Usage()
{
    std::string text = plcsim::UsageText() + "live scripts:";
    for (const std::string& name : plcsim::LiveScriptNames())
        text += " " + name;
    return text + "\n";
}

std::string JoinNumbers(const std::vector<int>& numbers)
{
    std::string text;
    for (int n : numbers)
        text += (text.empty() ? "" : ",") + std::to_string(n);
    return text;
}

// Movers step at this pace; it is also how late a stop request may be noticed.
constexpr auto kTick = std::chrono::milliseconds(100);

}  // namespace

int main(int argc, char** argv)
{
    using namespace plcsim;

    Options options;
    StationSet stations;
    MoverList movers;
    try {
        options = ParseCommandLine({argv + 1, argv + argc});
        if (options.help) {
            std::fputs(Usage().c_str(), stdout);
            return 0;
        }
        AddStations(options, stations);
        movers = MakeMovers(options, stations);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "plcsim: %s\n%s", error.what(), Usage().c_str());
        return 2;
    }

    std::FILE* log = stderr;
    if (!options.log_file.empty() && !(log = std::fopen(options.log_file.c_str(), "a"))) {
        std::perror(("plcsim: " + options.log_file).c_str());
        return 1;
    }
    stations.Log().SetListener([log](const LogEntry& entry) {
        std::fprintf(log, "%s\n", FormatEntry(entry).c_str());
        std::fflush(log);
    });
    for (const StationOption& station : options.stations) {
        if (station.faults != Faults{})
            std::fprintf(log, "station %d faults: %s\n", station.number, DescribeFaults(station.faults).c_str());
    }
    if (options.random_one_in > 0) {
        const RandomFaultRate rate{options.random_one_in, options.random_seed.value_or(std::random_device{}())};
        stations.SetRandomFaults(rate);
        // The seed is told so that a run worth a second look can be replayed.
        std::fprintf(log, "random faults: about one exchange in %d, seed=%u\n", rate.one_in,
                     static_cast<unsigned>(rate.seed));
    }
    std::optional<AtModem> modem;
    if (options.modem) {
        modem.emplace(stations, options.modem->speed, options.modem->faults);
        if (options.modem->faults != ModemFaults{})
            std::fprintf(log, "modem faults: %s\n", DescribeModemFaults(options.modem->faults).c_str());
    }

    CatchStopSignals();
    PtyServer server(stations, options.com, options.devices_dir, modem ? &*modem : nullptr);
    server.SetTiming(options.timing);
    try {
        server.Start();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "plcsim: %s\n", error.what());
        return 1;
    }
    // Scripts wait for this line before they open the port.
    std::printf("plcsim: COM%d -> %s (stations %s)%s\n", options.com, server.SlavePath().c_str(),
                JoinNumbers(stations.Numbers()).c_str(), modem ? " behind a modem in command mode" : "");
    std::fflush(stdout);

    std::vector<Faults> ownFaults;
    for (int number : stations.Numbers())
        ownFaults.push_back(stations.Find(number)->GetFaults());
    sig_atomic_t silenced = -1;

    const auto started = std::chrono::steady_clock::now();
    const auto duration = std::chrono::duration<double>(options.duration_s);
    while (!g_stop_requested) {
        const auto elapsed = std::chrono::steady_clock::now() - started;
        if (options.duration_s > 0 && elapsed >= duration)
            break;
        const auto now_ms = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
        for (auto& mover : movers)
            mover->Advance(now_ms);
        if (g_silenced != silenced) {
            silenced = g_silenced;
            ApplySilence(stations, ownFaults, silenced == 1);
            std::fprintf(log, "%s\n", silenced == 1 ? "all stations silent (SIGUSR1)" : "stations answer again (SIGUSR2)");
            std::fflush(log);
        }
        std::this_thread::sleep_for(kTick);
    }

    server.Stop();
    stations.Log().SetListener(nullptr);
    if (log != stderr)
        std::fclose(log);
    return 0;
}
