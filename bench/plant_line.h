// A plant's line for the broker benchmarks: simulated PLCs on a
// pseudo-terminal paced as a real wire, every register of every PLC taking
// a new value at a steady pace (seq * 64 + its offset, so that whoever
// reads a value knows which change it carries and when it was made), and
// the requests the stations answered, second by second.
#pragma once

#include "tools/plcsim/pty_server.h"
#include "tools/plcsim/station_set.h"

#include <stdlib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double Percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<std::size_t>(p * static_cast<double>(v.size())))];
}

inline long ResidentKb(const std::string& process = "self")
{
    std::ifstream status("/proc/" + process + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// A folder of the run's own, holding the line's link (the devices folder)
// and the broker's files; programs started later find the build's store.
inline std::string RunFolder(const std::string& program)
{
    std::string pattern = "/tmp/nimbo-" + program + "-XXXXXX";
    const std::string folder = mkdtemp(pattern.data());
    setenv("NIMBO_DEVICES", folder.c_str(), 1);
    setenv("NIMBO_REGISTRY", NIMBO_BUILD_REGISTRY, 1);
    return folder;
}

// nimbo-gateway's options for such a line: every PLC's 48 registers from 300.
inline std::vector<std::string> GatewayArguments(int com, int baud, int plcs, int registers, const std::string& broker,
                                                 const std::string& prefix, int timerMs = 20)
{
    std::vector<std::string> args{"--com",    std::to_string(com), "--speed",  std::to_string(baud),
                                  "--timer",  std::to_string(timerMs), "--broker", broker, "--prefix", prefix};
    for (int n = 1; n <= plcs; ++n)
        args.insert(args.end(), {"--plc", std::to_string(n) + ":300-" + std::to_string(300 + registers - 1)});
    return args;
}

class PlantLine {
public:
    static constexpr int kFirst = 300;

    PlantLine(int plcs, int registers, int com, const std::string& devices, int baud)
        : plcs_(plcs), registers_(registers), started_(Clock::now())
    {
        for (int n = 1; n <= plcs; ++n)
            stations_.Add(static_cast<std::uint8_t>(n));
        stations_.Log().SetListener([this](const plcsim::LogEntry&) {
            const long second = std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - started_).count();
            std::lock_guard<std::mutex> lock(mutex_);
            ++requests_[second];
        });
        line_ = std::make_unique<plcsim::PtyServer>(stations_, com, devices);
        line_->SetTiming({true, baud, 2});
        line_->Start();
    }
    ~PlantLine()
    {
        running_ = false;
        if (changer_.joinable())
            changer_.join();
        stations_.Log().SetListener(nullptr);
        line_->Stop();
    }

    void StartChanging(int everyMs)
    {
        changer_ = std::thread([this, everyMs] {
            for (std::int32_t seq = 1; running_; ++seq) {
                {
                    std::lock_guard<std::mutex> lock(mutex_);
                    changedAt_.push_back(Clock::now());
                }
                for (int n = 1; n <= plcs_; ++n)
                    for (int r = 0; r < registers_; ++r)
                        stations_.Find(n)->Set(static_cast<std::uint16_t>(kFirst + r), seq * 64 + r);
                std::this_thread::sleep_for(std::chrono::milliseconds(everyMs));
            }
        });
    }

    // Milliseconds from the change a value carries to `when`; negative when
    // the value is no change of ours.
    double LatencyMs(std::int64_t value, Clock::time_point when)
    {
        const std::int64_t seq = value / 64;
        std::lock_guard<std::mutex> lock(mutex_);
        if (seq < 1 || static_cast<std::size_t>(seq) > changedAt_.size())
            return -1;
        return std::chrono::duration<double, std::milli>(when - changedAt_[static_cast<std::size_t>(seq - 1)]).count();
    }

    long SecondOf(Clock::time_point t) const
    {
        return std::chrono::duration_cast<std::chrono::seconds>(t - started_).count();
    }
    // Requests answered in each whole second between two moments.
    std::vector<double> RequestsPerSecond(Clock::time_point from, Clock::time_point to)
    {
        std::vector<double> out;
        std::lock_guard<std::mutex> lock(mutex_);
        for (long s = SecondOf(from) + 1; s < SecondOf(to); ++s)
            out.push_back(static_cast<double>(requests_[s]));
        return out;
    }

private:
    int plcs_;
    int registers_;
    Clock::time_point started_;
    plcsim::StationSet stations_;
    std::unique_ptr<plcsim::PtyServer> line_;
    std::atomic<bool> running_{true};
    std::thread changer_;
    std::mutex mutex_;
    std::vector<Clock::time_point> changedAt_;
    std::map<long, long> requests_;
};

}  // namespace bench
