// Scan throughput against simulated stations on a pseudo-terminal that
// keep wire time: how many registers a second the server's timer moves at a
// line speed and timer period, and how many ticks a pass takes, beside the
// bound the timer period and the pause after each request allow (one block
// of 16 registers per tick). A period too short for the line completes no
// pass at all, and says so.
#include "bench/benchmark_main.h"
#include "platform/test_support.h"
#include "platform/winuser.h"
#include "server/nimbo_ctrl.h"
#include "tools/plcsim/pty_server.h"
#include "tools/plcsim/station_set.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string_view>

namespace {

constexpr int kRegisters = 160;  // ten blocks a pass
constexpr int kRequestPauseMs = 20;

// A server scanning one simulated PLC of kRegisters on a line of its own,
// counting completed passes; gone with the line and its folder.
class ScannedLine {
public:
    ScannedLine(int com, int speed, int timer, bool fast)
    {
        char pattern[] = "/tmp/nimbo-bench-XXXXXX";
        folder_ = mkdtemp(pattern);
        setenv("NIMBO_DEVICES", folder_.c_str(), 1);
        stations_.Add(1);
        line_ = std::make_unique<plcsim::PtyServer>(stations_, com, folder_);
        line_->Start();
        server.ResetProperties();
        server.CreateControlWindow(0, 0, 0);
        server.SetEventSink([this](DISPID, const std::string&, const DispArgs&) { ++passes; });
        server.PutProperty(DISPID_NIMBO_COM, {}, Variant::Long(com));
        server.PutProperty(DISPID_NIMBO_SPEED, {}, Variant::Long(speed));
        server.PutProperty(DISPID_NIMBO_INTERNALTIMER, {}, Variant::Long(timer));
        server.PutProperty(DISPID_NIMBO_FASTSCAN, {}, Variant::Bool(fast));
        server.PutProperty(DISPID_NIMBO_PLCENABLED1, {}, Variant::Long(1));
        server.PutProperty(DISPID_NIMBO_PLCSTART1, {}, Variant::Long(0));
        server.PutProperty(DISPID_NIMBO_PLCSTOP1, {}, Variant::Long(kRegisters - 1));
        server.PutProperty(DISPID_NIMBO_GO, {}, Variant::Bool(true));
    }
    ~ScannedLine()
    {
        server.PutProperty(DISPID_NIMBO_GO, {}, Variant::Bool(false));
        line_->Stop();
        std::filesystem::remove_all(folder_);
    }
    // Whether a first pass completes within a few seconds, the loop run in
    // steps of stepMs.
    bool FirstPass(int stepMs)
    {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (passes == 0 && std::chrono::steady_clock::now() < giveUp)
            nimbo::RunEventLoop(stepMs);
        return passes > 0;
    }
    // Runs the benchmark's iterations, one pass each; answers their seconds.
    double TimePasses(benchmark::State& state, int* counted)
    {
        const auto start = std::chrono::steady_clock::now();
        for (auto _ : state) {
            const int target = passes + 1;
            while (passes < target)
                nimbo::RunEventLoop(5);
            ++*counted;
        }
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }

    CNimboCtrl server;
    int passes = 0;

private:
    std::string folder_;
    plcsim::StationSet stations_;
    std::unique_ptr<plcsim::PtyServer> line_;
};

void ScanPasses(benchmark::State& state)
{
    const int speed = static_cast<int>(state.range(0));
    const int timer = static_cast<int>(state.range(1));
    ScannedLine scanned(20, speed, timer, false);
    if (!scanned.FirstPass(timer)) {
        state.SkipWithError("no pass completes at this speed and period");
        return;
    }
    int counted = 0;
    const double seconds = scanned.TimePasses(state, &counted);

    const int blocks = (kRegisters + 15) / 16;
    double tickSeconds = std::max(timer, kRequestPauseMs) / 1000.0;
    state.counters["registers_per_s"] = kRegisters * counted / seconds;
    state.counters["ticks_per_pass"] = seconds / counted / (timer / 1000.0);
    state.counters["bound_registers_per_s"] = 16.0 / tickSeconds;
    state.counters["bound_ticks_per_pass"] = blocks;
}

// Against the wire's limit: a block of 16 registers is a 7-byte request and a
// 72-byte reply at 10 bits a byte, and the station's 2 ms turnaround. The
// timer scan at the shortest period that works at the speed, and FastScan;
// the longest gap between the firings of a 1 ms timer on the same event
// loop tells how long the scan kept the windows from being served.
constexpr int kBlockBytes = 79;
constexpr double kTurnaroundS = 0.002;

void ScanRate(benchmark::State& state)
{
    const int speed = static_cast<int>(state.range(0));
    const bool fast = state.range(1) != 0;
    const int timer = static_cast<int>(state.range(2));
    ScannedLine scanned(21, speed, timer, fast);
    nimbo::LoopStallMeter stalls;
    if (!scanned.FirstPass(5)) {
        state.SkipWithError("no pass completes at this speed and period");
        return;
    }
    stalls.Reset();
    int counted = 0;
    const double seconds = scanned.TimePasses(state, &counted);
    const double longestGap = stalls.LongestGapMs();

    const double rate = kRegisters * counted / seconds;
    const double limit = 16.0 / (kBlockBytes * 10.0 / speed + kTurnaroundS);
    state.counters["registers_per_s"] = rate;
    state.counters["wire_limit_per_s"] = limit;
    state.counters["share_of_limit"] = rate / limit;
    // The meter's own period is 1 ms: a gap beyond it is the stall.
    state.counters["longest_gap_ms"] = longestGap;
    state.counters["longest_stall_ms"] = std::max(0.0, longestGap - 1.0);
}

// The meter's floor on this machine: the same loop with the server created
// and not scanning, run in the same steps as ScanRate runs it.
void LoopFloor(benchmark::State& state)
{
    CNimboCtrl server;
    server.ResetProperties();
    server.CreateControlWindow(0, 0, 0);
    nimbo::RunEventLoop(5);
    nimbo::LoopStallMeter stalls;
    for (auto _ : state)
        for (int i = 0; i < 100; ++i)
            nimbo::RunEventLoop(5);
    state.counters["longest_gap_ms"] = stalls.LongestGapMs();
    state.counters["longest_stall_ms"] = std::max(0.0, stalls.LongestGapMs() - 1.0);
}

}  // namespace

BENCHMARK(LoopFloor)->Iterations(4)->Unit(benchmark::kMillisecond)->UseRealTime();

// Line speed, FastScan (0 timer, 1 FastScan), timer period. The timer scan
// at the shortest periods that complete passes (see ScanPasses); FastScan
// at the default period, which then only animates the face, and once with
// the face standing still, to tell its repaints from the scan's stalls.
BENCHMARK(ScanRate)
    ->ArgNames({"bps", "fast", "timer_ms"})
    ->Args({9600, 0, 100})
    ->Args({9600, 1, 100})
    ->Args({9600, 1, 5000})
    ->Args({19200, 0, 60})
    ->Args({19200, 1, 100})
    ->Args({115200, 0, 20})
    ->Args({115200, 1, 100})
    ->Iterations(4)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Line speed, timer period: at each speed the shortest periods that work and
// one that does not.
BENCHMARK(ScanPasses)
    ->ArgNames({"bps", "timer_ms"})
    ->Args({9600, 50})
    ->Args({9600, 100})
    ->Args({9600, 110})
    ->Args({9600, 120})
    ->Args({9600, 150})
    ->Args({19200, 30})
    ->Args({19200, 60})
    ->Args({19200, 100})
    ->Args({115200, 20})
    ->Args({115200, 30})
    ->Args({115200, 100})
    ->Iterations(4)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

const char kUsage[] =
    "usage: scan_bench [--benchmark_filter=REGEX] [--benchmark_repetitions=N] [--benchmark_...]\n"
    "Times the server's scan over a simulated line; the options are the benchmark library's own.\n";

int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv, "scan_bench", kUsage);
}
