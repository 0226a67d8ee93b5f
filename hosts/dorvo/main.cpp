// nimbo-dorvo: the generator-set panel. The main window polls PLC 1 and shows its
// live values; "Costanti" and "Storico" open secondary windows whose
// displays the main window's server serves while they are open.
#include "hosts/common/host_program.h"
#include "hosts/dorvo/dorvo_panel.h"

#include <cstdio>

int main(int argc, char** argv)
{
    HostOptions options;
    if (auto status = ParseHostOptions(argc, argv, true, &options))
        return *status;
    DorvoPanel panel;
    nimbo::Form& g = panel.Main();

    if (options.screenshot.empty()) {
        g.RunUntilClosed();
        // The program ends when its last window is closed.
        while (panel.Costanti().IsOpen() || panel.Storico().IsOpen())
            nimbo::RunEventLoop(100);
        return 0;
    }

    g.Show();
    UpdateWindow(g.Window());
    if (options.report)
        std::printf("first paint %.0f ms\n", MillisecondsSinceStart());
    std::vector<SecondaryWindow*> opened;
    for (const auto& name : options.open) {
        SecondaryWindow* w = panel.Secondary(name);
        if (w == nullptr) {
            std::fprintf(stderr, "nimbo-dorvo: no window named %s (costanti, storico)\n", name.c_str());
            return 2;
        }
        w->Open();
        opened.push_back(w);
    }
    nimbo::RunEventLoop(options.afterMs);
    if (options.report)
        std::printf("resident %ld KiB\n", ResidentKiB());
    bool saved = true;
    auto report = [&saved](bool written, const std::string& file) {
        if (written) {
            std::printf("%s\n", file.c_str());
        } else {
            std::fprintf(stderr, "nimbo-dorvo: cannot write screenshot %s\n", file.c_str());
            saved = false;
        }
    };
    report(g.SaveScreenshot(options.screenshot), options.screenshot);
    for (SecondaryWindow* w : opened) {
        std::string file = ScreenshotBeside(options.screenshot, w->Name());
        report(w->Screenshot(file), file);
    }
    panel.Costanti().Close();
    panel.Storico().Close();
    g.Close();
    return saved ? 0 : 1;
}
