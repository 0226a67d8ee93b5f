// dorvo: the generator-set panel. The main window polls PLC 1 and shows its
// live values; "Costanti" and "Storico" open secondary windows whose
// displays the main window's server serves while they are open.
#include "hosts/common/HostProgram.h"
#include "hosts/dorvo/DorvoIcon.h"

#include <cstdio>
#include <map>

namespace {

constexpr DISPID kClient = 4;
constexpr DISPID kAddClient = 1;
constexpr DISPID kRemoveClient = 2;
constexpr DISPID kGo = 7;

const std::vector<std::string> kMainClients = {
    "ZEMEDIT1", "ZEMEDIT2", "ZEMEDIT3", "ZEMEDIT4", "ZEMEDIT5", "ZEMEDIT6", "ZEMEDIT7",
    "ZEMEDIT8", "ZEMEDIT9", "ZEMEDIT10", "ZEMEDIT11", "ZemBar1", "Led1", "Led2",
    "Led3", "Led4", "Led5", "Led6", "Led7", "Led8"};

const std::map<std::string, std::vector<std::string>> kSecondaryClients = {
    {"costanti", {"ZEMEDIT1", "ZEMEDIT2"}},
    {"storico", {"ZEMEDIT1", "ZEMEDIT2", "ZEMEDIT3", "ZEMEDIT4", "ZEMEDIT6", "ZEMEDIT7", "ZEMEDIT8", "ZEMEDIT9"}},
};

// A window without a server of its own: its displays are registered with the
// main window's server while it is open.
class SecondaryWindow {
public:
    SecondaryWindow(const std::string& name, nimbo::Form& main) : name_(name), main_(main) {}

    void Open()
    {
        if (!form_) {
            form_ = LoadHostForm("dorvo", name_);
            EndOnRuntimeError(*form_);
            const auto& clients = kSecondaryClients.at(name_);
            form_->OnLoad([this, &clients] {
                loaded_ = true;
                Register(clients, kAddClient);
            });
            form_->OnUnload([this, &clients] {
                loaded_ = false;
                Register(clients, kRemoveClient);
            });
            form_->OnClick("Command1", [this] { form_->Close(); });
        }
        if (loaded_) {
            form_->BringToFront();
            return;
        }
        form_->Show();
    }

    bool IsOpen() const { return loaded_; }
    void Close()
    {
        if (form_)
            form_->Close();
    }
    bool Screenshot(const std::string& file) const { return form_ && form_->SaveScreenshot(file); }
    const std::string& Name() const { return name_; }

private:
    // Once the main window is gone its server is too: nothing is left to
    // register with, and nothing may be called on it.
    void Register(const std::vector<std::string>& clients, DISPID how)
    {
        if (!main_.IsOpen() || main_.Control("Nimbo1") == nullptr)
            return;
        for (const auto& client : clients)
            main_.Put("Nimbo1", how, {}, form_->Get(client, kClient));
    }

    std::string name_;
    nimbo::Form& main_;
    std::unique_ptr<nimbo::Form> form_;
    bool loaded_ = false;  // between its load and unload handlers
};

}  // namespace

int main(int argc, char** argv)
{
    HostOptions options;
    if (!ParseHostOptions(argc, argv, true, &options))
        return 2;
    RegisterDorvoIcon();
    std::unique_ptr<nimbo::Form> generale = LoadHostForm("dorvo", "generale");
    nimbo::Form& g = *generale;
    EndOnRuntimeError(g);
    SecondaryWindow costanti("costanti", g);
    SecondaryWindow storico("storico", g);

    g.OnLoad([&g] {
        for (const auto& client : kMainClients)
            g.Put("Nimbo1", kAddClient, {}, g.Get(client, kClient));
        g.Put("Nimbo1", kGo, {}, Variant::Bool(true));
    });
    g.OnClick("Command1", [&costanti] { costanti.Open(); });
    g.OnClick("Command2", [&storico] { storico.Open(); });

    if (options.screenshot.empty()) {
        g.RunUntilClosed();
        // The program ends when its last window is closed.
        while (costanti.IsOpen() || storico.IsOpen())
            nimbo::RunEventLoop(100);
        return 0;
    }

    g.Show();
    std::vector<SecondaryWindow*> opened;
    for (const auto& name : options.open) {
        SecondaryWindow* w = name == "costanti" ? &costanti : name == "storico" ? &storico : nullptr;
        if (w == nullptr) {
            std::fprintf(stderr, "dorvo: no window named %s (costanti, storico)\n", name.c_str());
            return 2;
        }
        w->Open();
        opened.push_back(w);
    }
    nimbo::RunEventLoop(options.afterMs);
    bool saved = g.SaveScreenshot(options.screenshot);
    if (saved)
        std::printf("%s\n", options.screenshot.c_str());
    for (SecondaryWindow* w : opened) {
        std::string file = ScreenshotBeside(options.screenshot, w->Name());
        if (w->Screenshot(file))
            std::printf("%s\n", file.c_str());
        else
            saved = false;
    }
    costanti.Close();
    storico.Close();
    g.Close();
    return saved ? 0 : 1;
}
