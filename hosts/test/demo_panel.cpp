#include "hosts/test/demo_panel.h"

#include "clients/common/client_dispids.h"
#include "server/nimbo_dispids.h"

#include <string>

void AttachDemoHandlers(nimbo::Form& g)
{
    g.OnLoad([&g] {
        for (const char* client : {"Led1", "ZemLed81", "ZemButton1", "ZemText1", "ZemBar1", "ZEMEDIT1"})
            g.Put("Nimbo1", DISPID_NIMBO_ADDCLIENT, {}, g.Get(client, DISPID_CLIENT_CLIENT));
        g.Put("Nimbo1", DISPID_NIMBO_GO, {}, Variant::Bool(true));
    });
    g.OnClick("Command1", [&g] {
        g.Put("Nimbo1", DISPID_NIMBO_REG, {Variant::Long(1), Variant::Long(301)}, Variant::Long(50));
        const Variant shown = g.Get("Nimbo1", DISPID_NIMBO_REG, {Variant::Long(1), Variant::Long(302)});
        g.SetText("Text1", std::to_string(shown.AsLong()));
    });
}
