// The server against stations that misbehave at random: paced simulated
// PLCs on a pseudo-terminal inject a fault (bad checksum, wrong station,
// truncated reply, garbage before the frame, silence, a delay past the
// tick) into about one exchange in ten. After every completed pass each
// register of that PLC in the server's image must hold a value the station
// really held. Reports the exchanges, the faults injected, the passes
// completed, the values applied that no station held (must be none) and
// the longest time a PLC went without a completed pass. A crash ends the
// run without a report.
//
//   fault_soak [--exchanges N] [--one-in N] [--seed S] [--only KIND] [--com N] [--fast]
//              (100000, 10, 1, any kind, 22; KIND as plcsim names it: badsum...;
//              --fast: the scan driven by the replies, FastScan, instead of the timer's)
// The first foreign values are shown with the exchanges just before them.
#include "platform/winuser.h"
#include "server/nimbo_ctrl.h"
#include "tools/plcsim/pty_server.h"
#include "tools/plcsim/station_set.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr int kPlcs = 4;
constexpr int kBlocks = 2;  // two blocks a pass, so a fault can strike mid-pass
constexpr int kRegisters = kBlocks * 16;
int kCom = 22;  // --com N: another pty link, for runs side by side
constexpr int kTimerMs = 20;

// A register's value names its PLC and register in the high half and the
// station's generation in the low half, so a value from another PLC, another
// register or no station at all is told from a real one.
std::int32_t Held(int plc, int reg, int generation)
{
    return static_cast<std::int32_t>(((plc * 256 + reg) << 16) | (generation & 0xFFFF));
}

long long Arg(int argc, char** argv, const char* name, long long fallback)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return std::atoll(argv[i + 1]);
    return fallback;
}

const char* Word(int argc, char** argv, const char* name)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return argv[i + 1];
    return nullptr;
}

const char kUsage[] =
    "usage: fault_soak [--exchanges N] [--one-in N] [--seed S] [--only KIND] [--com N] [--fast]\n"
    "The server against simulated stations that inject a fault into about one\n"
    "exchange in N (defaults 100000, 10, 1, any kind, COM22); KIND as plcsim\n"
    "names it: badsum, wrongstation, truncated, garbage, silent, delay=150.\n"
    "--fast scans with FastScan (driven by the replies) instead of the timer.\n";

// Nothing when the arguments are fine; else the status to exit with, after
// the usage (asked for, or with what is wrong) has been printed.
std::optional<int> CheckArguments(int argc, char** argv)
{
    const std::string_view takeValues[] = {"--exchanges", "--one-in", "--seed", "--only", "--com"};
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--fast")
            continue;
        if (std::find(std::begin(takeValues), std::end(takeValues), arg) == std::end(takeValues)) {
            std::fprintf(stderr, "fault_soak: %s %s\n%s", arg.starts_with("-") ? "unknown option" : "unexpected",
                         argv[i], kUsage);
            return 2;
        }
        if (++i >= argc) {
            std::fprintf(stderr, "fault_soak: %s needs a value\n", argv[i - 1]);
            return 2;
        }
    }
    return std::nullopt;
}

constexpr int kShownForeign = 5;
constexpr std::size_t kRecentShown = 8;

}  // namespace

int main(int argc, char** argv)
{
    if (auto status = CheckArguments(argc, argv))
        return *status;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const long long exchanges = Arg(argc, argv, "--exchanges", 100000);
    const int oneIn = static_cast<int>(Arg(argc, argv, "--one-in", 10));
    const auto seed = static_cast<std::uint32_t>(Arg(argc, argv, "--seed", 1));
    kCom = static_cast<int>(Arg(argc, argv, "--com", kCom));
    const bool fast = std::find_if(argv + 1, argv + argc, [](const char* a) { return std::strcmp(a, "--fast") == 0; }) !=
                      argv + argc;

    char pattern[] = "/tmp/nimbo-faults-XXXXXX";
    const std::string folder = mkdtemp(pattern);
    setenv("NIMBO_DEVICES", folder.c_str(), 1);
    plcsim::StationSet stations;
    int generation[kPlcs + 1] = {};
    for (int p = 1; p <= kPlcs; ++p) {
        plcsim::Station& station = stations.Add(static_cast<std::uint8_t>(p));
        for (int r = 0; r < kRegisters; ++r)
            station.Set(static_cast<std::uint16_t>(p * 100 + r), Held(p, r, 0));
    }
    plcsim::RandomFaultRate rate{oneIn, seed, std::nullopt};
    if (const char* only = Word(argc, argv, "--only")) {
        rate.only = plcsim::RandomFaultNamed(only);
        if (!rate.only) {
            std::fprintf(stderr, "fault_soak: no fault kind %s\n", only);
            return 2;
        }
    }
    stations.SetRandomFaults(rate);

    // Counted on the line's thread as the stations hear each request.
    std::atomic<long long> requests{0};
    std::mutex faultsLock;
    std::map<std::string, long long> injected;
    std::deque<std::string> recent;
    stations.Log().SetListener([&](const plcsim::LogEntry& entry) {
        std::lock_guard<std::mutex> hold(faultsLock);
        recent.push_back(plcsim::FormatEntry(entry));
        if (recent.size() > kRecentShown)
            recent.pop_front();
        if (entry.kind != plcsim::RequestKind::ReadBlock)
            return;
        ++requests;
        if (!entry.injected.empty())
            ++injected[entry.injected];
    });
    plcsim::PtyServer line(stations, kCom, folder);
    line.Start();

    CNimboCtrl server;
    server.ResetProperties();
    server.CreateControlWindow(0, 0, 0);

    using Clock = std::chrono::steady_clock;
    long long passes = 0;
    long long foreign = 0;
    Clock::time_point lastPass[kPlcs + 1];
    double longestGap = 0;
    int longestGapPlc = 0;
    const Clock::time_point begin = Clock::now();
    std::fill(std::begin(lastPass), std::end(lastPass), begin);

    // A pass closed: every register of it must hold a value its station held
    // (this generation or an earlier one); then the station moves on, so the
    // next pass reads new values.
    server.SetEventSink([&](DISPID, const std::string&, const DispArgs& args) {
        const int plc = args.empty() ? 0 : args[0].AsLong();
        if (plc < 1 || plc > kPlcs)
            return;
        ++passes;
        const Clock::time_point now = Clock::now();
        const double gap = std::chrono::duration<double>(now - lastPass[plc]).count();
        if (gap > longestGap) {
            longestGap = gap;
            longestGapPlc = plc;
        }
        lastPass[plc] = now;
        const std::int32_t* image = server.comSer.GetRegisters();
        for (int r = 0; r < kRegisters; ++r) {
            const std::int32_t v = image[plc * 100 + r];
            const bool held = (v >> 16) == plc * 256 + r && (v & 0xFFFF) <= (generation[plc] & 0xFFFF);
            if (held)
                continue;
            if (++foreign <= kShownForeign) {
                std::printf("foreign: PLC %d register %d holds %08X (generation now %d); last exchanges:\n", plc,
                            plc * 100 + r, static_cast<unsigned>(v), generation[plc]);
                std::lock_guard<std::mutex> hold(faultsLock);
                for (const std::string& line : recent)
                    std::printf("    %s\n", line.c_str());
            }
        }
        ++generation[plc];
        plcsim::Station* station = stations.Find(plc);
        for (int r = 0; r < kRegisters; ++r)
            station->Set(static_cast<std::uint16_t>(plc * 100 + r), Held(plc, r, generation[plc]));
    });

    server.PutProperty(DISPID_NIMBO_COM, {}, Variant::Long(kCom));
    server.PutProperty(DISPID_NIMBO_SPEED, {}, Variant::Long(115200));
    server.PutProperty(DISPID_NIMBO_INTERNALTIMER, {}, Variant::Long(kTimerMs));
    server.PutProperty(DISPID_NIMBO_FASTSCAN, {}, Variant::Bool(fast));
    for (int p = 1; p <= kPlcs; ++p) {
        server.PutProperty(DISPID_NIMBO_PLCENABLED1 + p - 1, {}, Variant::Long(1));
        server.PutProperty(DISPID_NIMBO_PLCSTART1 + p - 1, {}, Variant::Long(p * 100));
        server.PutProperty(DISPID_NIMBO_PLCSTOP1 + p - 1, {}, Variant::Long(p * 100 + kRegisters - 1));
    }
    server.PutProperty(DISPID_NIMBO_GO, {}, Variant::Bool(true));

    long long reported = 0;
    while (requests < exchanges) {
        nimbo::RunEventLoop(500);
        stations.Log().Clear();
        if (requests - reported >= 10000) {
            reported = requests;
            std::printf("  %lld exchanges, %lld passes\n", reported, passes);
            std::fflush(stdout);
        }
    }
    server.PutProperty(DISPID_NIMBO_GO, {}, Variant::Bool(false));
    line.Stop();
    const double ran = std::chrono::duration<double>(Clock::now() - begin).count();
    for (int p = 1; p <= kPlcs; ++p)
        if (const double gap = std::chrono::duration<double>(Clock::now() - lastPass[p]).count(); gap > longestGap) {
            longestGap = gap;
            longestGapPlc = p;
        }

    long long faults = 0;
    std::string kinds;
    for (const auto& [kind, count] : injected) {
        faults += count;
        kinds += " " + kind + "=" + std::to_string(count);
    }
    std::printf("exchanges: %lld in %.0f s (115200 bit/s, %s, %d PLCs of %d registers)\n", requests.load(), ran,
                fast ? "FastScan" : ("timer " + std::to_string(kTimerMs) + " ms").c_str(), kPlcs, kRegisters);
    std::printf("faults injected: %lld (one in %.1f):%s\n", faults, faults ? double(requests) / faults : 0.0,
                kinds.c_str());
    std::printf("passes completed: %lld\n", passes);
    std::printf("values applied that no station held: %lld\n", foreign);
    std::printf("longest without a completed pass: %.2f s (PLC %d)\n", longestGap, longestGapPlc);
    std::printf("crashes: none (the run completed)\n");
    std::filesystem::remove_all(folder);
    return foreign == 0 ? 0 : 1;
}
