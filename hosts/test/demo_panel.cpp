#include "hosts/test/demo_panel.h"

#include <string>

namespace {
constexpr DISPID kClient = 4;
constexpr DISPID kAddClient = 1;
constexpr DISPID kGo = 7;
constexpr DISPID kReg = 110;
}  // namespace

void AttachDemoHandlers(nimbo::Form& g)
{
    g.OnLoad([&g] {
        for (const char* client : {"Led1", "ZemLed81", "ZemButton1", "ZemText1", "ZemBar1", "ZEMEDIT1"})
            g.Put("Nimbo1", kAddClient, {}, g.Get(client, kClient));
        g.Put("Nimbo1", kGo, {}, Variant::Bool(true));
    });
    g.OnClick("Command1", [&g] {
        g.Put("Nimbo1", kReg, {Variant::Long(1), Variant::Long(301)}, Variant::Long(50));
        g.SetText("Text1", std::to_string(g.Get("Nimbo1", kReg, {Variant::Long(1), Variant::Long(302)}).AsLong()));
    });
}
