// Memory over a long scan: a server polling simulated PLCs on a
// pseudo-terminal at the shortest timer period, with 200 LEDs whose
// registers change on every pass. Prints the resident memory after a
// warm-up, once a minute, and at the end, with the passes completed and
// the invalidations they caused. Nothing the panel keeps may grow with
// running time, so the end figure should stay near the first.
//
//   memory_soak [--seconds N] [--warmup N]     (defaults 60 and 5)
#include "clients/led/led_ctrl.h"
#include "platform/winuser.h"
#include "bench/soak_options.h"
#include "server/nimbo_ctrl.h"
#include "tools/plcsim/pty_server.h"
#include "tools/plcsim/station_set.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kLamps = 200;
constexpr int kBlock = 16;                                // registers one reply carries
constexpr int kPlcs = (kLamps + kBlock - 1) / kBlock;     // one block a PLC, so passes are short
constexpr int kCom = 21;
constexpr int kTimerMs = 10;

long ResidentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// Counts the face's own invalidations: the animation resets its clock
// exactly when it asks for a repaint.
class SoakServer : public CNimboCtrl {
public:
    long long faceInvalidations = 0;
    void AdvanceAnimation() override
    {
        CNimboCtrl::AdvanceAnimation();
        if (iconTime == 0)
            ++faceInvalidations;
    }
};

struct Lamp {
    std::unique_ptr<CLedCtrl> led;
    std::int32_t lit = 0;
};

const char kUsage[] =
    "usage: memory_soak [--seconds N] [--warmup N]     (defaults 60 and 5)\n"
    "Resident memory of a server with 200 lamps whose registers change on\n"
    "every pass: after the warm-up, once a minute, and at the end.\n";

}  // namespace

int main(int argc, char** argv)
{
    if (auto status = soak::CheckArguments(argc, argv, "memory_soak", kUsage, {"--seconds", "--warmup"}))
        return *status;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const int seconds = soak::Arg(argc, argv, "--seconds", 60);
    const int warmup = soak::Arg(argc, argv, "--warmup", 5);

    char pattern[] = "/tmp/nimbo-soak-XXXXXX";
    const std::string folder = mkdtemp(pattern);
    setenv("NIMBO_DEVICES", folder.c_str(), 1);
    plcsim::StationSet stations;
    for (int p = 1; p <= kPlcs; ++p)
        stations.Add(static_cast<std::uint8_t>(p));
    plcsim::PtyServer line(stations, kCom, folder);
    line.Start();

    CWnd panel;
    panel.CreateWindowed(0, RECT{0, 0, 720, 40 + kLamps / 4 * kLampHeight});
    SoakServer server;
    server.ResetProperties();
    server.CreateControlWindow(panel.m_hWnd, 0, 0);

    std::vector<Lamp> lamps(kLamps);
    for (int i = 0; i < kLamps; ++i) {
        auto& led = lamps[i].led = std::make_unique<CLedCtrl>();
        led->ResetProperties();
        led->CreateControlWindow(panel.m_hWnd, 40 + i % 4 * 170, i / 4 * kLampHeight);
        led->PutProperty(DISPID_CLIENT_PLC, {}, Variant::Long(i / kBlock + 1));
        led->PutProperty(DISPID_CLIENT_REG, {}, Variant::Long(i));
        server.AddClient(led->m_hWnd);
    }

    // Every pass closed moves that PLC's registers on by one, so the next
    // pass changes each of its lamps (bit 0 flips) and each invalidates once.
    long long passes = 0;
    long long lampInvalidations = 0;
    server.SetEventSink([&](DISPID, const std::string&, const DispArgs& args) {
        const int plc = args.empty() ? 0 : args[0].AsLong();
        plcsim::Station* station = stations.Find(plc);
        if (!station)
            return;
        ++passes;
        for (int i = (plc - 1) * kBlock; i < plc * kBlock && i < kLamps; ++i) {
            Variant lit;
            lamps[i].led->GetProperty(DISPID_LED_VALUE, {}, &lit);
            lampInvalidations += lit.AsLong() != lamps[i].lit;
            lamps[i].lit = lit.AsLong();
            station->Update(static_cast<std::uint16_t>(i), [](std::int32_t v) { return v + 1; });
        }
    });

    server.PutProperty(DISPID_NIMBO_COM, {}, Variant::Long(kCom));
    server.PutProperty(DISPID_NIMBO_SPEED, {}, Variant::Long(115200));
    server.PutProperty(DISPID_NIMBO_INTERNALTIMER, {}, Variant::Long(kTimerMs));
    for (int p = 0; p < kPlcs; ++p) {
        server.PutProperty(DISPID_NIMBO_PLCENABLED1 + p, {}, Variant::Long(1));
        server.PutProperty(DISPID_NIMBO_PLCSTART1 + p, {}, Variant::Long(p * kBlock));
        server.PutProperty(DISPID_NIMBO_PLCSTOP1 + p, {}, Variant::Long(p * kBlock + kBlock - 1));
    }
    server.PutProperty(DISPID_NIMBO_GO, {}, Variant::Bool(true));

    // The simulator logs every request, up to 10,000 of them: its memory,
    // not the panel's, so it is emptied as the scan runs.
    auto run = [&](int ms) {
        nimbo::RunEventLoop(ms);
        stations.Log().Clear();
    };
    using Clock = std::chrono::steady_clock;
    for (int ms = 0; ms < warmup * 1000; ms += 200)
        run(200);
    const long startKb = ResidentKb();
    const long long passesBefore = passes;
    const long long lampsBefore = lampInvalidations;
    const long long faceBefore = server.faceInvalidations;
    std::printf("after %d s warm-up: VmRSS %ld kB, %d lamps on %d PLCs, timer %d ms\n", warmup, startKb, kLamps,
                kPlcs, kTimerMs);
    std::fflush(stdout);

    const Clock::time_point start = Clock::now();
    const Clock::time_point end = start + std::chrono::seconds(seconds);
    Clock::time_point nextReport = start + std::chrono::minutes(1);
    while (Clock::now() < end) {
        run(200);
        if (Clock::now() >= nextReport && Clock::now() < end) {
            const auto minutes = std::chrono::duration_cast<std::chrono::minutes>(Clock::now() - start).count();
            std::printf("  %3lld min: VmRSS %ld kB, passes %lld\n", static_cast<long long>(minutes), ResidentKb(),
                        passes - passesBefore);
            std::fflush(stdout);
            nextReport += std::chrono::minutes(1);
        }
    }
    const double ran = std::chrono::duration<double>(Clock::now() - start).count();
    const long endKb = ResidentKb();
    server.PutProperty(DISPID_NIMBO_GO, {}, Variant::Bool(false));

    const long long measuredPasses = passes - passesBefore;
    std::printf("after %.0f s more: VmRSS %ld kB (%+ld kB)\n", ran, endKb, endKb - startKb);
    std::printf("passes: %lld PLC passes (%lld full scans, %.1f a second)\n", measuredPasses,
                measuredPasses / kPlcs, measuredPasses / ran);
    std::printf("invalidations: %lld by the lamps, %lld by the server's face\n", lampInvalidations - lampsBefore,
                server.faceInvalidations - faceBefore);

    line.Stop();
    std::filesystem::remove_all(folder);
    return 0;
}
