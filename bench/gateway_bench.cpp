// The gateway under a plant's load: 32 simulated PLCs of 48 registers each
// on a line paced at 115200 bit/s, every value changing about once a pass,
// published through a real mosquitto to a subscriber. Prints the latency
// from a station's change to the subscriber's message (p50, p99) against
// the time a PLC's pass comes round, the messages per second, the gateway's
// share of a core and its resident memory at the start and the end, and how
// steadily the line was scanned (requests per second, the slowest second
// against the median): a scan held up by the broker would show there.
//
//   gateway_bench [--minutes N] [--restart-every SECONDS] [--timer MS] [--fast]
#include "bench/plant_line.h"
#include "bench/soak_options.h"
#include "tools/gateway/tests/broker_fixture.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using bench::Clock;
using bench::Percentile;

constexpr int kPlcs = 32;
constexpr int kRegisters = 48;
constexpr int kCom = 31;
constexpr int kBaud = 115200;
const std::string kPrefix = "bench";

const char kUsage[] =
    "usage: gateway_bench [--minutes N] [--restart-every SECONDS] [--timer MS] [--change-ms MS] [--fast]\n"
    "32 PLCs of 48 registers at 115200 bit/s through nimbo-gateway and a real\n"
    "mosquitto for N minutes (10); --restart-every restarts the broker that\n"
    "often (0: never); --timer is the scan's period (20), --change-ms how often\n"
    "every register changes (2000, about one pass), --fast the reply-driven scan.\n";

struct ProcessSample {
    double cpuSeconds = 0;
    long residentKb = 0;
};

ProcessSample Sample(pid_t pid)
{
    ProcessSample s;
    s.residentKb = bench::ResidentKb(std::to_string(pid));
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // Fields after the command's closing parenthesis; utime and stime are
    // the 14th and 15th of the whole line.
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    unsigned long long utime = 0, stime = 0;
    for (int i = 3; fields >> field; ++i) {
        if (i == 14)
            utime = std::stoull(field);
        if (i == 15) {
            stime = std::stoull(field);
            break;
        }
    }
    s.cpuSeconds = static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
    return s;
}

}  // namespace

int main(int argc, char** argv)
{
    if (auto status = soak::CheckArguments(argc, argv, "gateway_bench", kUsage,
                                           {"--minutes", "--restart-every", "--timer", "--change-ms"}, {"--fast"}))
        return *status;
    const int minutes = soak::Arg(argc, argv, "--minutes", 10);
    const int restartEvery = soak::Arg(argc, argv, "--restart-every", 0);
    const int timerMs = soak::Arg(argc, argv, "--timer", 20);
    const int changeMs = std::max(1, soak::Arg(argc, argv, "--change-ms", 2000));
    const bool fast = soak::Flag(argc, argv, "--fast");

    const std::string folder = bench::RunFolder("gateway_bench");

    bench::PlantLine line(kPlcs, kRegisters, kCom, folder, kBaud);

    brokertest::Broker broker;
    if (!broker.Start(folder)) {
        std::fprintf(stderr, "gateway_bench: mosquitto did not start\n");
        return 1;
    }

    line.StartChanging(changeMs);

    std::vector<double> latencies;
    std::vector<Clock::time_point> passesOfFirst;
    long long messages = 0;
    std::mutex heardMutex;
    brokertest::Client subscriber(broker.Port(), "gateway-bench-subscriber");
    subscriber.Listen([&](const brokertest::Heard& h) {
        std::lock_guard<std::mutex> lock(heardMutex);
        ++messages;
        if (h.topic == kPrefix + "/plc/1/pass") {
            passesOfFirst.push_back(h.when);
            return;
        }
        if (h.topic.find("/reg/") == std::string::npos || h.retained)
            return;
        const double ms = line.LatencyMs(std::strtoll(h.payload.c_str(), nullptr, 10), h.when);
        if (ms >= 0)
            latencies.push_back(ms);
    });
    subscriber.Subscribe(kPrefix + "/#");

    auto args = bench::GatewayArguments(kCom, kBaud, kPlcs, kRegisters, broker.Url(), kPrefix, timerMs);
    if (fast)
        args.push_back("--fast");
    xtest::ChildProcess gateway;
    if (!gateway.Start(std::string(NIMBO_BIN) + "/nimbo-gateway", args, folder + "/gateway.out")) {
        std::fprintf(stderr, "gateway_bench: nimbo-gateway did not start\n");
        return 1;
    }

    // A warm-up of one round or so, then the figures start.
    std::this_thread::sleep_for(std::chrono::seconds(10));
    {
        std::lock_guard<std::mutex> lock(heardMutex);
        latencies.clear();
        messages = 0;
        passesOfFirst.clear();
    }
    const auto from = Clock::now();
    const ProcessSample first = Sample(gateway.Pid());
    std::printf("gateway_bench: %d PLCs x %d registers at %d bit/s, timer %d ms%s, change every %d ms, %d min%s\n",
                kPlcs, kRegisters, kBaud, timerMs, fast ? " (fast scan)" : "", changeMs, minutes,
                restartEvery > 0 ? (", broker restarted every " + std::to_string(restartEvery) + " s").c_str() : "");
    std::printf("start: resident %ld KB\n", first.residentKb);
    std::fflush(stdout);
    const auto until = from + std::chrono::minutes(minutes);
    auto nextRestart = from + std::chrono::seconds(restartEvery);
    int restarts = 0;
    auto nextMinute = from + std::chrono::minutes(1);
    for (int minute = 1; Clock::now() < until && !gateway.Ended();) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        if (Clock::now() >= nextMinute) {
            std::printf("minute %d: gateway resident %ld KB\n", minute++, Sample(gateway.Pid()).residentKb);
            std::fflush(stdout);
            nextMinute += std::chrono::minutes(1);
        }
        if (restartEvery > 0 && Clock::now() >= nextRestart) {
            broker.Stop();
            broker.Start(folder);
            ++restarts;
            nextRestart += std::chrono::seconds(restartEvery);
        }
    }
    const ProcessSample last = Sample(gateway.Pid());
    const double seconds = std::chrono::duration<double>(Clock::now() - from).count();
    const std::vector<double> perSecond = line.RequestsPerSecond(from, Clock::now());
    gateway.Stop();
    int status = -1;
    gateway.Ended(&status);

    std::lock_guard<std::mutex> lock(heardMutex);
    std::vector<double> rounds;
    for (std::size_t i = 1; i < passesOfFirst.size(); ++i)
        rounds.push_back(std::chrono::duration<double, std::milli>(passesOfFirst[i] - passesOfFirst[i - 1]).count());
    const double round = Percentile(rounds, 0.5);
    const double p99 = Percentile(latencies, 0.99);
    std::printf("latency change -> subscriber: p50 %.0f ms, p99 %.0f ms, max %.0f ms (%zu values)\n",
                Percentile(latencies, 0.5), p99, Percentile(latencies, 1.0), latencies.size());
    std::printf("a PLC's pass comes round every %.0f ms (median): p99 %s one round + 50 ms\n", round,
                p99 <= round + 50 ? "within" : "PAST");
    std::printf("messages: %.0f per second\n", static_cast<double>(messages) / seconds);
    std::printf("gateway: %.2f%% of a core; resident %ld KB at the start, %ld KB at the end\n",
                100.0 * (last.cpuSeconds - first.cpuSeconds) / seconds, first.residentKb, last.residentKb);
    // The seconds the line went slow, if any, and when they came.
    for (std::size_t i = 0; i < perSecond.size(); ++i)
        if (perSecond[i] < Percentile(perSecond, 0.5) / 2)
            std::printf("line: slow second %zu of the run: %.0f requests\n", i + 1, perSecond[i]);
    std::printf("line: %.0f requests per second (median), slowest second %.0f%s\n", Percentile(perSecond, 0.5),
                Percentile(perSecond, 0.0), restartEvery > 0 ? (", over " + std::to_string(restarts) + " broker restarts").c_str() : "");
    broker.Stop();
    std::filesystem::remove_all(folder);
    return 0;
}
