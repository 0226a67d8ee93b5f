#include "tools/container/container.h"

#include "platform/form_editor.h"
#include "platform/olectl.h"
#include "platform/registry.h"
#include "platform/wingdi.h"

#include <algorithm>
#include <cstdlib>
#include <cctype>
#include <filesystem>

namespace {

using Words = std::vector<ScriptWord>;
using Lines = std::vector<std::string>;

std::string Quoted(const Variant& v)
{
    return v.Type() == VT_BSTR ? "\"" + v.AsString() + "\"" : v.AsString();
}

}  // namespace

Container::Container(int width, int height)
{
    window_.CreateWindowed(0, RECT{0, 0, width, height}, "nimbo-container");
    ShowWindow(window_.m_hWnd, 5);
}

Container::~Container()
{
    // Controls go first, newest first, as a form unloads them.
    for (auto it = creationOrder_.rbegin(); it != creationOrder_.rend(); ++it)
        controls_.erase(*it);
}

COleControl* Container::Find(const std::string& name) const
{
    auto it = controls_.find(name);
    return it == controls_.end() ? nullptr : it->second.get();
}

bool Container::Member(COleControl* control, const std::string& name, DISPID* id, std::string* error) const
{
    if (!name.empty() && name[0] == '#') {
        long long v = 0;
        if (!ParseScriptInteger(name.substr(1), &v)) {
            *error = "bad dispatch identifier " + name;
            return false;
        }
        *id = static_cast<DISPID>(v);
        return true;
    }
    const DispEntry* e = control->Dispatch().Find(name);
    if (e == nullptr) {
        *error = "no member " + name;
        return false;
    }
    *id = e->id;
    return true;
}

bool Container::Value(const ScriptWord& word, Variant* value, std::string* error)
{
    if (word.quoted) {
        *value = Variant::String(word.text);
        return true;
    }
    if (word.text == "true" || word.text == "false") {
        *value = Variant::Bool(word.text == "true");
        return true;
    }
    if (!word.text.empty() && word.text[0] == '@') {
        std::size_t dot = word.text.find('.');
        COleControl* source = dot == std::string::npos ? nullptr : Find(word.text.substr(1, dot - 1));
        if (source == nullptr) {
            *error = "no control for " + word.text;
            return false;
        }
        DISPID id = 0;
        if (!Member(source, word.text.substr(dot + 1), &id, error))
            return false;
        HRESULT hr = source->GetProperty(id, {}, value);
        if (FAILED(hr)) {
            *error = word.text + ": " + DispatchErrorText(hr);
            return false;
        }
        return true;
    }
    long long n = 0;
    if (!ParseScriptInteger(word.text, &n)) {
        *error = "not a value: " + word.text + " (strings go in double quotes)";
        return false;
    }
    *value = n >= INT32_MIN && n <= INT32_MAX ? Variant::Long(static_cast<std::int32_t>(n)) : Variant::Int64(n);
    return true;
}

bool Container::Args(const std::vector<ScriptWord>& w, std::size_t from, std::size_t to, DispArgs* args,
                     std::string* error)
{
    for (std::size_t i = from; i < to; ++i) {
        Variant v;
        if (!Value(w[i], &v, error))
            return false;
        args->push_back(v);
    }
    return true;
}

bool Container::Create(const Words& w, Lines*, std::string* error)
{
    if (w.size() != 3 && w.size() != 5 && w.size() != 7) {
        *error = "usage: create NAME CLASS [X Y [W H]]";
        return false;
    }
    if (Find(w[1].text)) {
        *error = "a control named " + w[1].text + " exists already";
        return false;
    }
    long long x = 0, y = 0, cx = -1, cy = -1;
    if (w.size() >= 5 && (!ParseScriptInteger(w[3].text, &x) || !ParseScriptInteger(w[4].text, &y))) {
        *error = "bad position";
        return false;
    }
    if (w.size() == 7 && (!ParseScriptInteger(w[5].text, &cx) || !ParseScriptInteger(w[6].text, &cy) || cx < 0 || cy < 0)) {
        *error = "bad size";
        return false;
    }
    std::unique_ptr<COleControl> control(nimbo::CreateControl(w[2].text, error));
    if (!control)
        return false;
    control->ResetProperties();
    if (cx >= 0)
        control->RequestExtent(static_cast<int>(cx), static_cast<int>(cy));
    if (!control->CreateControlWindow(window_.m_hWnd, static_cast<int>(x), static_cast<int>(y))) {
        *error = "the control refused to create its window";
        return false;
    }
    std::string name = w[1].text;
    control->SetEventSink([this, name](DISPID, const std::string& event, const DispArgs& args) {
        std::string line = name + " " + event;
        for (const Variant& a : args)
            line += " " + Quoted(a);
        events_.push_back(line);
        if (events_.size() > kEventsKept) {
            events_.pop_front();
            ++eventsDropped_;
        }
    });
    controls_[name] = std::move(control);
    creationOrder_.push_back(name);
    return true;
}

bool Container::Click(const Words& w, Lines*, std::string* error) { return ClickControl(w, false, error); }

bool Container::DoubleClick(const Words& w, Lines*, std::string* error) { return ClickControl(w, true, error); }

bool Container::ClickControl(const Words& w, bool twice, std::string* error)
{
    long long x = 0, y = 0;
    COleControl* c = w.size() == 4 ? Find(w[1].text) : nullptr;
    if (c == nullptr || !ParseScriptInteger(w[2].text, &x) || !ParseScriptInteger(w[3].text, &y)) {
        *error = std::string("usage: ") + (twice ? "dblclick" : "click") + " NAME X Y";
        return false;
    }
    LPARAM at = MAKELPARAM(static_cast<int>(x), static_cast<int>(y));
    constexpr WPARAM kLeftButton = 1;
    SendMessageA(c->m_hWnd, WM_LBUTTONDOWN, kLeftButton, at);
    SendMessageA(c->m_hWnd, WM_LBUTTONUP, 0, at);
    if (twice) {
        SendMessageA(c->m_hWnd, WM_LBUTTONDBLCLK, kLeftButton, at);
        SendMessageA(c->m_hWnd, WM_LBUTTONUP, 0, at);
    }
    return true;
}

const std::vector<Container::Command>& Container::Commands()
{
    static const std::vector<Command> kCommands = {
        {"create", &Container::Create, "NAME CLASS [X Y [W H]] - make a control by class in the window"},
        {"load", &Container::Persist, "NAME FILE - read the control's properties from a property bag"},
        {"save", &Container::Persist, "NAME FILE - write the control's properties to a property bag"},
        {"put", &Container::Access, "NAME MEMBER [ARG ...] VALUE - set a property (by name or #DISPID)"},
        {"get", &Container::Access, "NAME MEMBER [ARG ...] - print a property's value"},
        {"call", &Container::Access, "NAME MEMBER [ARG ...] - call a method"},
        {"members", &Container::Members, "NAME - print the control's properties, methods and events"},
        {"verb", &Container::Verb, "NAME Properties|Edit|NUMBER - run one of the control's verbs"},
        {"wait", &Container::Wait, "MS - let the window run for MS milliseconds"},
        {"click", &Container::Click, "NAME X Y - left click inside the control"},
        {"dblclick", &Container::DoubleClick, "NAME X Y - double click inside the control"},
        {"screenshot", &Container::Screenshot, "FILE - save the window as a PNG picture"},
        {"save-form", &Container::SaveForm, "FILE [FORM] - write the window and its controls as a form file"},
        {"events", &Container::Events, "- print the events fired since last asked"},
        {"dialog", &Container::Dialog, "VERB ... - answer the open dialog or popup menu"},
        {"help", &Container::Help, "- print these commands"},
        {"quit", nullptr, "- end the script"},
    };
    return kCommands;
}

Container::Outcome Container::Run(const std::string& line, std::vector<std::string>* out, std::string* error)
{
    Words w;
    if (!SplitScriptLine(line, &w, error))
        return Outcome::Failed;
    if (w.empty() || w[0].text[0] == '#')
        return Outcome::Ok;
    for (const Command& command : Commands()) {
        if (w[0].text != command.name)
            continue;
        if (command.run == nullptr)
            return Outcome::Quit;
        return (this->*command.run)(w, out, error) ? Outcome::Ok : Outcome::Failed;
    }
    *error = "unknown command " + w[0].text;
    return Outcome::Failed;
}

bool Container::Help(const Words&, Lines* out, std::string*)
{
    for (const Command& command : Commands())
        out->push_back(std::string(command.name) + " " + command.about);
    return true;
}

bool Container::Wait(const Words& w, Lines*, std::string* error)
{
    long long ms = 0;
    if (w.size() != 2 || !ParseScriptInteger(w[1].text, &ms) || ms < 0) {
        *error = "usage: wait MS";
        return false;
    }
    nimbo::RunEventLoop(static_cast<int>(ms));
    return true;
}

bool Container::Screenshot(const Words& w, Lines*, std::string* error)
{
    if (w.size() != 2) {
        *error = "usage: screenshot FILE";
        return false;
    }
    nimbo::RunEventLoop(0);
    if (!nimbo::SaveWindowPng(window_.m_hWnd, w[1].text)) {
        *error = "cannot write screenshot " + w[1].text;
        return false;
    }
    return true;
}

bool Container::Events(const Words&, Lines* out, std::string*)
{
    if (eventsDropped_ > 0)
        out->push_back("(" + std::to_string(eventsDropped_) + " older events dropped)");
    for (const auto& e : events_)
        out->push_back(e);
    events_.clear();
    eventsDropped_ = 0;
    return true;
}

// The control a command names as its second word.
COleControl* Container::Named(const Words& w, std::string* error) const
{
    if (w.size() < 2) {
        *error = w[0].text + " wants a control's name";
        return nullptr;
    }
    COleControl* c = Find(w[1].text);
    if (c == nullptr)
        *error = "no control named " + w[1].text;
    return c;
}

// load NAME FILE, save NAME FILE
bool Container::Persist(const Words& w, Lines*, std::string* error)
{
    COleControl* c = Named(w, error);
    if (c == nullptr)
        return false;
    const std::string& command = w[0].text;
    if (w.size() != 3) {
        *error = "usage: " + command + " NAME FILE";
        return false;
    }
    PropertyBag bag;
    if (command == "save") {
        c->SaveProperties(&bag);
        return bag.SaveFile(w[2].text, error);
    }
    if (!bag.LoadFile(w[2].text, error))
        return false;
    auto problems = c->LoadProperties(bag);
    if (!problems.empty()) {
        *error = w[2].text + ": " + problems.front();
        return false;
    }
    return true;
}

namespace {

// A form's name from its file's: what a name cannot hold becomes '_', and
// a name that would start with a digit starts with "Form" ("g-saved.frm"
// is form g_saved, "2.frm" form Form2).
std::string FormNameOf(const std::string& file)
{
    std::string name = std::filesystem::path(file).stem().string();
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_')
            c = '_';
    if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0])))
        name = "Form" + name;
    return name;
}

}  // namespace

// save-form FILE [FORM]: the form is named after the file unless told.
bool Container::SaveForm(const Words& w, Lines* out, std::string* error)
{
    if (w.size() != 2 && w.size() != 3) {
        *error = "usage: save-form FILE [FORM]";
        return false;
    }
    std::vector<nimbo::PlacedControl> placed;
    for (const std::string& name : creationOrder_)
        placed.push_back({name, Find(name)});
    const std::string formName = w.size() == 3 ? w[2].text : FormNameOf(w[1].text);
    if (!nimbo::WriteControlsAsForm(w[1].text, formName, window_.m_hWnd, placed, error))
        return false;
    out->push_back(w[1].text);
    return true;
}

// put NAME MEMBER [ARG ...] VALUE, get NAME MEMBER [ARG ...], call NAME MEMBER [ARG ...]
bool Container::Access(const Words& w, Lines* out, std::string* error)
{
    COleControl* c = Named(w, error);
    if (c == nullptr)
        return false;
    const std::string& command = w[0].text;
    const bool put = command == "put";
    if (w.size() < (put ? 4u : 3u)) {
        *error = "usage: " + command + " NAME MEMBER [ARG ...]" + (put ? " VALUE" : "");
        return false;
    }
    DISPID id = 0;
    DispArgs args;
    if (!Member(c, w[2].text, &id, error) || !Args(w, 3, put ? w.size() - 1 : w.size(), &args, error))
        return false;
    HRESULT hr;
    Variant result;
    if (put) {
        Variant value;
        if (!Value(w.back(), &value, error))
            return false;
        hr = c->PutProperty(id, args, value);
    } else if (command == "get") {
        hr = c->GetProperty(id, args, &result);
    } else {
        hr = c->CallMethod(id, args, &result);
    }
    if (FAILED(hr)) {
        *error = w[2].text + ": " + DispatchErrorText(hr);
        return false;
    }
    if (command == "get")
        out->push_back(result.AsString());
    return true;
}

// members NAME: one line a member, from the control's dispatch table, as
// "property ID NAME TYPE [(ARG TYPE, ...)] [read-only|write-only]",
// "method ID NAME [TYPE] [(...)]" and "event ID NAME [(...)]".
bool Container::Members(const Words& w, Lines* out, std::string* error)
{
    if (w.size() != 2) {
        *error = "usage: members NAME";
        return false;
    }
    COleControl* c = Named(w, error);
    if (c == nullptr)
        return false;
    for (std::string& line : nimbo::DescribeMembers(*c, false))
        out->push_back(std::move(line));
    return true;
}
