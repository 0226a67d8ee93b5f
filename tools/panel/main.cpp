// nimbo-panel: runs a form file as a panel, doing what the form declares
// (its server, its clients, its buttons) with no code of its own, and tells
// the person writing forms which classes and properties there are.
#include "platform/form.h"
#include "platform/form_editor.h"
#include "platform/olectl.h"
#include "platform/registry.h"
#include "platform/winuser.h"
#include "platform/mqtt.h"
#include "tools/common/parse_integer.h"
#include "tools/common/password_file.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

namespace {

const char kUsage[] =
    "usage: nimbo-panel FORM.frm [--com N | --remote URL] [--screenshot FILE [--after MS]]\n"
    "       nimbo-panel --design FORM.frm [--select NAME] [--screenshot FILE [--after MS]]\n"
    "       nimbo-panel --list-classes\n"
    "       nimbo-panel --members CLASS\n"
    "Runs the form as a panel until its window is closed; forms its buttons open\n"
    "are looked up beside it. --com N sets the COM of the server the form\n"
    "declares, leaving the file as it is. --remote mqtt://HOST[:PORT][/PREFIX]\n"
    "feeds that server from a gateway on the plant's broker instead (PREFIX:\n"
    "nimbo/COMn by default), with --user NAME --password-file FILE and\n"
    "--cafile FILE (TLS) when the broker asks. With --screenshot the panel runs for\n"
    "--after MS milliseconds (default 3000), saves its window and ends.\n"
    "--design opens the form to edit it, no server running: click to select,\n"
    "drag to move or by a handle to resize, arrows nudge, Delete removes, the\n"
    "right button has a menu, double click on the form sets its caption and\n"
    "size, Ctrl+S saves, F5 runs the panel and back. --select NAME opens with\n"
    "that control selected.\n"
    "--list-classes names every control class in the registration store;\n"
    "--members CLASS lists a class's properties, methods and events with their\n"
    "dispatch identifiers, types, defaults and whether they are persisted.\n";

struct Options {
    std::string form;
    std::optional<long long> com;
    std::string screenshot;
    long long afterMs = 3000;
    bool listClasses = false;
    bool design = false;
    std::string select;
    std::string members;
    std::string remote;
    nimbo::MqttLogin login;
    std::string passwordFile;
};

int Usage(const std::string& problem)
{
    std::fprintf(stderr, "nimbo-panel: %s\n%s", problem.c_str(), kUsage);
    return 2;
}

// Nothing: go on; else the exit status.
std::optional<int> Parse(int argc, char** argv, Options* o)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (arg == "--list-classes") {
            o->listClasses = true;
        } else if (arg == "--design") {
            o->design = true;
        } else if (arg == "--members" || arg == "--screenshot" || arg == "--select" || arg == "--remote" ||
                   arg == "--user" || arg == "--password-file" || arg == "--cafile") {
            const char* v = value();
            if (v == nullptr)
                return Usage("missing value after " + arg);
            std::string* into = arg == "--members"         ? &o->members
                                : arg == "--select"        ? &o->select
                                : arg == "--remote"        ? &o->remote
                                : arg == "--user"          ? &o->login.user
                                : arg == "--password-file" ? &o->passwordFile
                                : arg == "--cafile"        ? &o->login.cafile
                                                           : &o->screenshot;
            *into = v;
        } else if (arg == "--com" || arg == "--after") {
            const char* v = value();
            if (v == nullptr)
                return Usage("missing value after " + arg);
            const auto n = tools::ParseInteger(v, arg == "--com" ? 1 : 0, arg == "--com" ? 255 : 3600000);
            if (!n)
                return Usage(std::string("bad value for ") + arg + ": " + v);
            if (arg == "--com")
                o->com = *n;
            else
                o->afterMs = *n;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return Usage("unknown option " + arg);
        } else if (o->form.empty()) {
            o->form = arg;
        } else {
            return Usage("one form at a time: " + arg);
        }
    }
    if (o->form.empty() && !o->listClasses && o->members.empty())
        return Usage("no form file given");
    if (!o->select.empty() && !o->design)
        return Usage("--select is for --design");
    // A COM given for the session would be saved into the file with the
    // server's other properties; in design mode the form's own is used.
    if (o->com && o->design)
        return Usage("--com is for running a panel, not for --design");
    if (!o->remote.empty() && (o->com || o->design))
        return Usage("--remote is for running a panel, without --com");
    std::string prefix;
    if (!o->remote.empty() && !nimbo::ParseMqttUrl(o->remote, &prefix))
        return Usage("bad broker address " + o->remote + " (mqtt://HOST[:PORT][/PREFIX])");
    if (!o->passwordFile.empty()) {
        std::string error;
        const auto password = tools::ReadPasswordFile(o->passwordFile, &error);
        if (!password) {
            std::fprintf(stderr, "nimbo-panel: %s\n", error.c_str());
            return 2;
        }
        o->login.password = *password;
    }
    return std::nullopt;
}

int ListClasses()
{
    const auto store = nimbo::RegistrationStore::Open();
    for (const auto& c : store.Classes())
        if (c.kind == nimbo::ClassKind::Control)
            std::printf("%s\t%s\t%s\n", c.hostName.c_str(), c.progId.c_str(), c.typeName.c_str());
    return 0;
}

int Members(const std::string& name)
{
    std::string error;
    std::unique_ptr<COleControl> control(nimbo::CreateControl(name, &error));
    if (!control) {
        std::fprintf(stderr, "nimbo-panel: %s\n", error.c_str());
        return 1;
    }
    control->ResetProperties();
    for (const std::string& line : nimbo::DescribeMembers(*control, true))
        std::printf("%s\n", line.c_str());
    return 0;
}

// A property of the form's own server (its COM, its remote line), set
// before the form loads and starts it.
bool SetServerProperty(nimbo::Form& form, const char* name, const Variant& value, const char* option)
{
    COleControl* server = form.Control(form.ServerName());
    const DispEntry* entry = server ? server->Dispatch().Find(name) : nullptr;
    if (entry == nullptr) {
        std::fprintf(stderr, "nimbo-panel: form %s declares no server of its own to give %s to\n",
                     form.Name().c_str(), option);
        return false;
    }
    return SUCCEEDED(server->PutProperty(entry->id, {}, value));
}

}  // namespace

int main(int argc, char** argv)
{
    Options o;
    if (auto status = Parse(argc, argv, &o))
        return *status;
    nimbo::SetDefaultMqttLogin(o.login);
    if (o.listClasses)
        return ListClasses();
    if (!o.members.empty())
        return Members(o.members);

    std::string error;
    std::unique_ptr<nimbo::Form> form = nimbo::Form::Load(o.form, &error);
    if (form && o.design) {
        std::string reason;
        switch (nimbo::DesignForm(*form, {o.select, o.screenshot, static_cast<int>(o.afterMs), "nimbo-panel"}, &reason)) {
        case nimbo::DesignOutcome::Closed:
            if (!o.screenshot.empty())
                std::printf("%s\n", o.screenshot.c_str());
            return 0;
        case nimbo::DesignOutcome::PictureNotWritten:
            std::fprintf(stderr, "%s\n", reason.c_str());
            return 1;
        case nimbo::DesignOutcome::CannotOpen:
        case nimbo::DesignOutcome::NoSuchControl:
            break;
        }
        std::fprintf(stderr, "%s\n", reason.c_str());
        return 2;
    }
    if (!form || !form->Create(&error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    if (o.com && !SetServerProperty(*form, "COM", Variant::Long(static_cast<std::int32_t>(*o.com)), "--com"))
        return 2;
    if (!o.remote.empty() && !SetServerProperty(*form, "Remote", Variant::String(o.remote), "--remote"))
        return 2;
    if (o.screenshot.empty())
        return form->RunUntilClosed();
    form->Show();
    nimbo::RunEventLoop(static_cast<int>(o.afterMs));
    const bool saved = form->SaveScreenshot(o.screenshot);
    if (saved)
        std::printf("%s\n", o.screenshot.c_str());
    else
        std::fprintf(stderr, "nimbo-panel: cannot write screenshot %s\n", o.screenshot.c_str());
    form->Close();
    return saved ? 0 : 1;
}
