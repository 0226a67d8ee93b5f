// What the clients cost the scan: one data broadcast to 1,000 registered
// client windows when none, some or all of their registers changed, and one
// full paint of each kind of control. Controls are created by class from
// the registration store, exactly as a host creates them.
#include "bench/benchmark_main.h"
#include "platform/olectl.h"
#include "platform/registry.h"
#include "platform/test_support.h"
#include "platform/wingdi.h"
#include "server/nimbo_ctrl.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>

namespace {

constexpr int kClients = 1000;
constexpr int kFirstRegister = 1000;

struct Panel {
    CWnd window;
    CNimboCtrl server;
    std::vector<std::unique_ptr<COleControl>> clients;

    explicit Panel(const char* progId)
    {
        window.CreateWindowed(0, RECT{0, 0, 800, 600});
        server.ResetProperties();
        server.CreateControlWindow(window.m_hWnd, 0, 0);
        server.comSer.currentPlc = 1;
        for (int i = 0; i < kClients; ++i) {
            std::string error;
            std::unique_ptr<COleControl> c(nimbo::CreateControl(progId, &error));
            if (!c)
                return;
            c->ResetProperties();
            c->CreateControlWindow(window.m_hWnd, (i % 4) * 180, (i / 4) % 20 * 28);
            c->PutProperty(1, {}, Variant::Long(1));                      // Plc
            c->PutProperty(2, {}, Variant::Long(kFirstRegister + i));    // Reg
            server.AddClient(c->m_hWnd);
            clients.push_back(std::move(c));
        }
    }
};

// state.range(0): how many in a thousand registers change between broadcasts.
void Broadcast(benchmark::State& state)
{
    static Panel panel("LED.LedCtrl.1");
    if (panel.clients.size() != kClients) {
        state.SkipWithError("LED.LedCtrl.1 is not registered");
        return;
    }
    const int changing = static_cast<int>(state.range(0));
    std::int32_t round = 0;
    for (auto _ : state) {
        ++round;
        for (int i = 0; i < changing; ++i)
            panel.server.comSer.registers[kFirstRegister + i] = round;
        panel.server.BroadcastData();
    }
    for (auto& c : panel.clients)
        nimbo::TakeInvalidations(c->m_hWnd);
    state.counters["clients"] = kClients;
    state.counters["changed"] = changing;
}
BENCHMARK(Broadcast)->Arg(0)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

void FullPaint(benchmark::State& state, const char* progId)
{
    std::string error;
    std::unique_ptr<COleControl> c(nimbo::CreateControl(progId, &error));
    if (!c) {
        state.SkipWithError(error.c_str());
        return;
    }
    c->ResetProperties();
    c->PutProperty(DISPID_CAPTION, {}, Variant::String("R(300)"));
    int cx = 0, cy = 0;
    c->GetControlSize(&cx, &cy);
    auto dc = nimbo::CreateImageDC(cx, cy, RGB(192, 192, 192));
    RECT r{0, 0, cx, cy};
    for (auto _ : state)
        c->OnDraw(dc.get(), r, r);
}
BENCHMARK_CAPTURE(FullPaint, led, "LED.LedCtrl.1")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FullPaint, led8, "ZEMLED8Lib.ZemLed8")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FullPaint, text, "ZEMTEXTLib.ZemText")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FullPaint, button, "ZEMBUTTONLib.ZemButton")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FullPaint, bar, "ZEMBARLib.ZemBar")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FullPaint, edit, "ZEMEDITLib.ZEMEDIT")->Unit(benchmark::kMicrosecond);

// Closing a window that holds a server and N registered lamps: the window,
// its children's windows and the objects, timed apart from their making.
// It grows linearly with N.
void CloseWindowOfLamps(benchmark::State& state)
{
    const int lamps = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        CWnd window;
        window.CreateWindowed(0, RECT{0, 0, 800, 600});
        CNimboCtrl server;
        server.ResetProperties();
        server.CreateControlWindow(window.m_hWnd, 0, 0);
        std::vector<std::unique_ptr<COleControl>> clients;
        for (int i = 0; i < lamps; ++i) {
            std::string error;
            std::unique_ptr<COleControl> c(nimbo::CreateControl("LED.LedCtrl.1", &error));
            if (!c) {
                state.SkipWithError(error.c_str());
                return;
            }
            c->CreateControlWindow(window.m_hWnd, (i % 4) * 180, (i / 4) % 20 * 28);
            server.AddClient(c->m_hWnd);
            clients.push_back(std::move(c));
        }
        // Shown and settled, as a panel is by the time someone closes it.
        ShowWindow(window.m_hWnd, SW_SHOW);
        nimbo::RunEventLoop(0);
        state.ResumeTiming();
        window.DestroyWindow();
        clients.clear();
    }
    state.counters["lamps"] = lamps;
}
BENCHMARK(CloseWindowOfLamps)->Arg(1000)->Arg(4000)->Arg(16000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

const char kUsage[] =
    "usage: client_bench [--benchmark_filter=REGEX] [--benchmark_repetitions=N] [--benchmark_...]\n"
    "Times the client controls' painting; the options are the benchmark library's own.\n";

int main(int argc, char** argv)
{
    setenv("NIMBO_REGISTRY", NIMBO_BUILD_REGISTRY, 0);
    return RunBenchmarks(argc, argv, "client_bench", kUsage);
}
