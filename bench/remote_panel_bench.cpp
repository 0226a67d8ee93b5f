// Panels on other PCs: N forms in this process, each with its own server
// on the remote line (its own broker client, as N panels on N PCs would
// have) and eight lamps, fed by nimbo-gateway through a real mosquitto from
// 32 simulated PLCs of 48 registers at 115200 bit/s. Prints the latency
// from a station's change to the data message that makes a panel's clients
// repaint (p50, p99) against the time a PLC's pass comes round, and this
// panels' share of a core (their thread) and the process's resident memory
// at the start, every minute and at the end.
//
//   remote_panel_bench [--panels N] [--minutes N] [--change-ms MS]
#include "bench/plant_line.h"
#include "bench/soak_options.h"
#include "platform/form.h"
#include "platform/olectl.h"
#include "platform/winuser.h"
#include "tools/gateway/tests/broker_fixture.h"
#include "tools/gateway/tests/listening_client.h"

#include <sys/resource.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

using bench::Clock;

constexpr int kPlcs = 32;
constexpr int kRegisters = 48;
constexpr int kCom = 32;
constexpr int kBaud = 115200;
constexpr char kPrefix[] = "bench/remote";

const char kUsage[] =
    "usage: remote_panel_bench [--panels N] [--minutes N] [--change-ms MS]\n"
    "N panels (1) on one remote line of 32 PLCs of 48 registers at 115200\n"
    "bit/s through nimbo-gateway and a real mosquitto, for N minutes (10);\n"
    "every register changes every MS ms (2000, about one pass).\n";

std::string PanelForm(const std::string& remote)
{
    std::string text = "Form Remote\n    ClientWidth = 3000\n    ClientHeight = 3000\n    Server = \"Line\"\n"
                       "    RegisterClients = true\n    StartServer = true\n";
    for (int i = 0; i < 8; ++i)
        text += "    Begin Lamp" + std::to_string(i) + " LEDLib.Led\n        Top = " + std::to_string(i * 360) +
                "\n        Plc = " + std::to_string(1 + i * 4) + "\n        Reg = 300\n        Bit = " +
                std::to_string(i) + "\n    End\n";
    return text + "    Begin Line NIMBOLib.Nimbo\n        Remote = \"" + remote + "\"\n    End\nEnd\n";
}

// The panels' own thread: the simulated line and its changes run on
// threads of their own in this process and are no panel's work.
double CpuSeconds()
{
    rusage use{};
    getrusage(RUSAGE_THREAD, &use);
    return static_cast<double>(use.ru_utime.tv_sec + use.ru_stime.tv_sec) +
           static_cast<double>(use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1e6;
}

}  // namespace

int main(int argc, char** argv)
{
    if (auto status = soak::CheckArguments(argc, argv, "remote_panel_bench", kUsage,
                                           {"--panels", "--minutes", "--change-ms"}))
        return *status;
    const int panels = std::max(1, soak::Arg(argc, argv, "--panels", 1));
    const int minutes = soak::Arg(argc, argv, "--minutes", 10);
    const int changeMs = std::max(1, soak::Arg(argc, argv, "--change-ms", 2000));
    setenv("QT_QPA_PLATFORM", "offscreen", 0);

    const std::string folder = bench::RunFolder("remote_panel_bench");

    bench::PlantLine line(kPlcs, kRegisters, kCom, folder, kBaud);
    brokertest::Broker broker;
    if (!broker.Start(folder)) {
        std::fprintf(stderr, "remote_panel_bench: mosquitto did not start\n");
        return 1;
    }
    const auto args = bench::GatewayArguments(kCom, kBaud, kPlcs, kRegisters, broker.Url(), kPrefix);
    xtest::ChildProcess gateway;
    if (!gateway.Start(std::string(NIMBO_BIN) + "/nimbo-gateway", args, folder + "/gateway.out")) {
        std::fprintf(stderr, "remote_panel_bench: nimbo-gateway did not start\n");
        return 1;
    }
    line.StartChanging(changeMs);

    std::vector<double> latencies;
    std::vector<Clock::time_point> passes;  // of PLC 1 on the first panel
    std::vector<std::unique_ptr<nimbo::Form>> forms;
    std::vector<std::unique_ptr<brokertest::ListeningClient>> watches;
    for (int i = 0; i < panels; ++i) {
        std::string error;
        auto form = nimbo::Form::Parse(PanelForm(broker.Url() + "/" + kPrefix), "remote.frm", &error);
        if (!form || !form->Create(&error)) {
            std::fprintf(stderr, "remote_panel_bench: %s\n", error.c_str());
            return 1;
        }
        // Stands for the panel's clients: times each change of PLC 1's register 300.
        auto watch = std::make_unique<brokertest::ListeningClient>(
            [&line, &latencies, &passes, first = i == 0, last = std::int32_t{0}](int plc, const CComSer& port) mutable {
                if (plc != 1)
                    return;
                const auto now = Clock::now();
                if (first)
                    passes.push_back(now);
                if (port.registers[300] == last)
                    return;
                last = port.registers[300];
                const double ms = line.LatencyMs(last, now);
                if (ms >= 0)
                    latencies.push_back(ms);
            });
        watch->Create(form->Window());
        COleControl* server = form->Control("Line");
        server->PutProperty(server->Dispatch().Find("AddClient")->id, {},
                            Variant::Long(static_cast<std::int32_t>(watch->m_hWnd)));
        form->Show();
        forms.push_back(std::move(form));
        watches.push_back(std::move(watch));
    }

    nimbo::RunEventLoop(10000);  // a warm-up of a few rounds
    latencies.clear();
    passes.clear();
    const auto from = Clock::now();
    const double cpuFrom = CpuSeconds();
    const long residentFrom = bench::ResidentKb();
    std::printf("remote_panel_bench: %d panel%s, 32 PLCs x 48 registers at 115200 bit/s, change every %d ms, %d min\n",
                panels, panels == 1 ? "" : "s", changeMs, minutes);
    std::printf("start: resident %ld KB\n", residentFrom);
    std::fflush(stdout);
    for (int minute = 1; minute <= minutes; ++minute) {
        while (Clock::now() < from + std::chrono::minutes(minute))
            nimbo::RunEventLoop(1000);
        std::printf("minute %d: resident %ld KB\n", minute, bench::ResidentKb());
        std::fflush(stdout);
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - from).count();
    const double cpu = CpuSeconds() - cpuFrom;
    const long residentTo = bench::ResidentKb();

    std::vector<double> rounds;
    for (std::size_t i = 1; i < passes.size(); ++i)
        rounds.push_back(std::chrono::duration<double, std::milli>(passes[i] - passes[i - 1]).count());
    const double round = bench::Percentile(rounds, 0.5);
    const double p99 = bench::Percentile(latencies, 0.99);
    std::printf("latency change -> panel: p50 %.0f ms, p99 %.0f ms, max %.0f ms (%zu changes seen by %d panels)\n",
                bench::Percentile(latencies, 0.5), p99, bench::Percentile(latencies, 1.0), latencies.size(), panels);
    std::printf("a PLC's pass comes round every %.0f ms (median): p99 %s one round + 100 ms\n", round,
                p99 <= round + 100 ? "within" : "PAST");
    std::printf("panels: %.2f%% of a core (their thread); resident %ld KB at the start, %ld KB at the end\n", 100.0 * cpu / seconds,
                residentFrom, residentTo);
    watches.clear();
    for (auto& f : forms)
        f->Close();
    forms.clear();
    gateway.Stop();
    broker.Stop();
    std::filesystem::remove_all(folder);
    return 0;
}
