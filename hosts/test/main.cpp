// nimbo-demo: the kit's demonstration panel. One control of each kind on PLC 1,
// registered with the server when the window loads; the button writes
// register 301 and shows register 302.
#include "hosts/common/host_program.h"
#include "hosts/test/demo_panel.h"

#include <cstdio>

int main(int argc, char** argv)
{
    HostOptions options;
    if (auto status = ParseHostOptions(argc, argv, false, &options))
        return *status;
    std::unique_ptr<nimbo::Form> generale = LoadHostForm("test", "Generale");
    EndOnRuntimeError(*generale);
    AttachDemoHandlers(*generale);
    if (options.screenshot.empty())
        return generale->RunUntilClosed();

    generale->Show();
    UpdateWindow(generale->Window());
    if (options.report)
        std::printf("first paint %.0f ms\n", MillisecondsSinceStart());
    nimbo::RunEventLoop(options.afterMs);
    if (options.report)
        std::printf("resident %ld KiB\n", ResidentKiB());
    bool saved = generale->SaveScreenshot(options.screenshot);
    if (saved)
        std::printf("%s\n", options.screenshot.c_str());
    else
        std::fprintf(stderr, "nimbo-demo: cannot write screenshot %s\n", options.screenshot.c_str());
    generale->Close();
    return saved ? 0 : 1;
}
