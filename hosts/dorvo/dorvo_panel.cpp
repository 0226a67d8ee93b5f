#include "hosts/dorvo/dorvo_panel.h"

#include "clients/common/client_dispids.h"
#include "hosts/common/host_program.h"
#include "hosts/dorvo/dorvo_icon.h"
#include "server/nimbo_dispids.h"

#include <map>

namespace {

const std::vector<std::string> kMainClients = {
    "ZEMEDIT1", "ZEMEDIT2", "ZEMEDIT3", "ZEMEDIT4", "ZEMEDIT5", "ZEMEDIT6", "ZEMEDIT7",
    "ZEMEDIT8", "ZEMEDIT9", "ZEMEDIT10", "ZEMEDIT11", "ZemBar1", "Led1", "Led2",
    "Led3", "Led4", "Led5", "Led6", "Led7", "Led8"};

const std::map<std::string, std::vector<std::string>> kSecondaryClients = {
    {"costanti", {"ZEMEDIT1", "ZEMEDIT2"}},
    {"storico", {"ZEMEDIT1", "ZEMEDIT2", "ZEMEDIT3", "ZEMEDIT4", "ZEMEDIT6", "ZEMEDIT7", "ZEMEDIT8", "ZEMEDIT9"}},
};

std::unique_ptr<nimbo::Form> LoadMain()
{
    RegisterDorvoIcon();
    return LoadHostForm("dorvo", "generale");
}

}  // namespace

void SecondaryWindow::Open()
{
    if (!form_) {
        form_ = LoadHostForm("dorvo", name_);
        EndOnRuntimeError(*form_);
        const auto& clients = kSecondaryClients.at(name_);
        form_->OnLoad([this, &clients] {
            loaded_ = true;
            Register(clients, DISPID_NIMBO_ADDCLIENT);
        });
        form_->OnUnload([this, &clients] {
            loaded_ = false;
            Register(clients, DISPID_NIMBO_REMOVECLIENT);
        });
        form_->OnClick("Command1", [this] { form_->Close(); });
    }
    if (loaded_) {
        form_->BringToFront();
        return;
    }
    form_->Show();
}

void SecondaryWindow::Close()
{
    if (form_)
        form_->Close();
}

bool SecondaryWindow::Screenshot(const std::string& file) const { return form_ && form_->SaveScreenshot(file); }

// Once the main window is gone its server is too: nothing is left to
// register with, and nothing may be called on it.
void SecondaryWindow::Register(const std::vector<std::string>& clients, DISPID how)
{
    if (!main_.IsOpen() || main_.Control("Nimbo1") == nullptr)
        return;
    for (const auto& client : clients)
        main_.Put("Nimbo1", how, {}, form_->Get(client, DISPID_CLIENT_CLIENT));
}

DorvoPanel::DorvoPanel()
    : generale_(LoadMain()), costanti_("costanti", *generale_), storico_("storico", *generale_)
{
    nimbo::Form& g = *generale_;
    EndOnRuntimeError(g);
    g.OnLoad([&g] {
        for (const auto& client : kMainClients)
            g.Put("Nimbo1", DISPID_NIMBO_ADDCLIENT, {}, g.Get(client, DISPID_CLIENT_CLIENT));
        g.Put("Nimbo1", DISPID_NIMBO_GO, {}, Variant::Bool(true));
    });
    g.OnClick("Command1", [this] { costanti_.Open(); });
    g.OnClick("Command2", [this] { storico_.Open(); });
}

SecondaryWindow* DorvoPanel::Secondary(const std::string& name)
{
    return name == "costanti" ? &costanti_ : name == "storico" ? &storico_ : nullptr;
}
