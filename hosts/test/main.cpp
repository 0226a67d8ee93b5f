// test: the kit's demonstration panel. One control of each kind on PLC 1,
// registered with the server when the window loads; the button writes
// register 301 and shows register 302.
#include "hosts/common/HostProgram.h"

#include <cstdio>

namespace {

constexpr DISPID kClient = 4;
constexpr DISPID kAddClient = 1;
constexpr DISPID kGo = 7;
constexpr DISPID kReg = 110;

}  // namespace

int main(int argc, char** argv)
{
    HostOptions options;
    if (!ParseHostOptions(argc, argv, false, &options))
        return 2;
    std::unique_ptr<nimbo::Form> generale = LoadHostForm("test", "Generale");
    nimbo::Form& g = *generale;
    EndOnRuntimeError(g);

    g.OnLoad([&g] {
        for (const char* client : {"Led1", "ZemLed81", "ZemButton1", "ZemText1", "ZemBar1", "ZEMEDIT1"})
            g.Put("Nimbo1", kAddClient, {}, g.Get(client, kClient));
        g.Put("Nimbo1", kGo, {}, Variant::Bool(true));
    });
    g.OnClick("Command1", [&g] {
        g.Put("Nimbo1", kReg, {Variant::Long(1), Variant::Long(301)}, Variant::Long(50));
        g.SetText("Text1", std::to_string(g.Get("Nimbo1", kReg, {Variant::Long(1), Variant::Long(302)}).AsLong()));
    });

    if (options.screenshot.empty())
        return g.RunUntilClosed();
    g.Show();
    nimbo::RunEventLoop(options.afterMs);
    bool saved = g.SaveScreenshot(options.screenshot);
    if (saved)
        std::printf("%s\n", options.screenshot.c_str());
    g.Close();
    return saved ? 0 : 1;
}
