// A panel of a few lines: the server and two lamps of panel.frm, the lamps
// registered with the server when the window loads, then the scan started.
//   panel FORM              runs until the window is closed
//   panel FORM PICTURE.png  runs two seconds, saves the window and ends
#include "clients/common/client_dispids.h"
#include "platform/form.h"
#include "platform/winuser.h"
#include "server/nimbo_dispids.h"

#include <cstdio>

int main(int argc, char** argv)
{
    std::string error;
    auto form = nimbo::Form::Load(argc > 1 ? argv[1] : "panel.frm", &error);
    if (!form || !form->Create(&error)) {
        std::fprintf(stderr, "panel: %s\n", error.c_str());
        return 2;
    }
    form->OnLoad([&form] {
        for (const char* lamp : {"Lamp1", "Lamp2"})
            form->Put("Server", DISPID_NIMBO_ADDCLIENT, {}, form->Get(lamp, DISPID_CLIENT_CLIENT));
        form->Put("Server", DISPID_NIMBO_GO, {}, Variant::Bool(true));
    });
    if (argc < 3)
        return form->RunUntilClosed();
    form->Show();
    nimbo::RunEventLoop(2000);
    const bool saved = form->SaveScreenshot(argv[2]);
    if (!saved)
        std::fprintf(stderr, "panel: cannot write screenshot %s\n", argv[2]);
    form->Close();
    return saved ? 0 : 1;
}
