// What a form file declares it does by itself: its client controls
// registered with a server when it loads and removed when it unloads, the
// server started, buttons that open another form once or close their own.
#include "platform/form/form_impl.h"

#include "platform/olectl.h"
#include "platform/panel_members.h"

#include <filesystem>
#include <utility>

namespace nimbo::form {

const DispEntry* Member(COleControl* control, const char* name)
{
    return control ? control->Dispatch().Find(name) : nullptr;
}

COleControl* FormState::DeclaredServer()
{
    if (design.server.empty())
        return nullptr;
    if (SameName(design.server, kOpener))
        return opener ? opener->DeclaredServer() : nullptr;
    Placed* p = Find(design.server);
    return p ? p->control : nullptr;
}

void FormState::DeclaredLoad()
{
    if (!design.registerClients && !design.startServer)
        return;
    COleControl* server = DeclaredServer();
    const DispEntry* add = Member(server, members::kAddClient);
    if (add == nullptr) {
        RuntimeError(design.name, SameName(design.server, kOpener)
                                      ? "no server on the form that opened " + design.name
                                      : design.server + " is no server (it has no AddClient)");
        return;
    }
    if (design.registerClients) {
        // A client is any control that tells its identity through Client;
        // they register in the form's order.
        for (Placed& p : placed) {
            const DispEntry* client = Member(p.control, members::kClient);
            if (p.control == server || client == nullptr)
                continue;
            Variant identity;
            if (FAILED(p.control->GetProperty(client->id, {}, &identity)) ||
                FAILED(server->PutProperty(add->id, {}, identity))) {
                RuntimeError(p.design.name, "could not register with " + design.server);
                continue;
            }
            registered.push_back(identity);
        }
        registeredWith = server;
    }
    if (design.startServer) {
        const DispEntry* go = Member(server, members::kGo);
        if (go == nullptr || FAILED(server->PutProperty(go->id, {}, Variant::Bool(true))))
            RuntimeError(design.server, "could not start the server");
    }
}

// The server may have gone with the form that opened this one; then there
// is nothing left to remove the clients from.
void FormState::DeclaredUnload()
{
    COleControl* server = std::exchange(registeredWith, nullptr);
    const auto identities = std::exchange(registered, {});
    if (server == nullptr || server != DeclaredServer())
        return;
    if (const DispEntry* remove = Member(server, members::kRemoveClient))
        for (const Variant& identity : identities)
            server->PutProperty(remove->id, {}, identity);
}

void FormState::DeclaredClick(const ControlDesign& button)
{
    if (const Property* opens = button.Find("Opens"))
        OpenDeclared(opens->value.AsString());
    else if (const Property* closes = button.Find("Closes"); closes && closes->value.AsBool())
        Shutdown(true);
}

// Beside this form's file; ".frm" may be left out. Opened once: while it is
// open the button brings it to the front, after it closed it opens again.
void FormState::OpenDeclared(const std::string& name)
{
    std::filesystem::path path = std::filesystem::path(design.file).parent_path() / name;
    if (!path.has_extension())
        path += ".frm";
    const std::string key = path.lexically_normal().string();
    for (auto& [file, form] : opened) {
        if (file != key)
            continue;
        if (form->IsOpen() && form->d_->loadRan)
            form->BringToFront();
        else
            form->Show();
        return;
    }
    std::string reason;
    std::unique_ptr<Form> form = Form::Load(key, &reason);
    if (form == nullptr) {
        RuntimeError(design.name, reason);
        return;
    }
    form->d_->opener = this;
    form->d_->errorHandler = errorHandler;
    Form& shown = *form;
    opened.emplace_back(key, std::move(form));
    shown.Show();
}

Form* FormState::OpenedForm(const std::string& name) const
{
    for (const auto& [file, form] : opened)
        if (SameName(std::filesystem::path(file).stem().string(), name))
            return form.get();
    return nullptr;
}

// The forms this one opened close before it: their clients leave its
// server while the server is still there.
void FormState::CloseOpened()
{
    for (auto& [file, form] : opened)
        form->Close();
}

}  // namespace nimbo::form
