// A container window that hosts controls created by class, and the script
// commands that drive it: create, load, save, put, get, call, verb, wait,
// click, dblclick, screenshot, save-form, events, members, help, quit, and the dialog
// commands that answer a modal dialog or a popup menu while it is open.
#pragma once

#include "platform/menu.h"
#include "platform/olectl.h"
#include "tools/container/script_line.h"

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

class CDialog;

class ContainerWindow : public CWnd {};

class Container {
public:
    Container(int width, int height);
    ~Container();

    enum class Outcome { Ok, Failed, Quit };
    // Runs one script line; what it prints goes to *out (one line each),
    // a failure's reason to *error.
    Outcome Run(const std::string& line, std::vector<std::string>* out, std::string* error);

    COleControl* Find(const std::string& name) const;

    // The modal dialogs open now, innermost last; dialog commands go to it.
    void PushDialog(CDialog* dialog) { dialogs_.push_back(dialog); }
    void PopDialog(CDialog* dialog);
    // The popup menu open now, until a dialog menu command chooses.
    void OpenMenu(const std::vector<nimbo::MenuEntry>* entries);
    bool MenuOpen() const { return menu_ != nullptr; }
    UINT CloseMenu();

private:
    // The commands, each as the line's words, what it prints and why it failed.
    bool Create(const std::vector<ScriptWord>& w, std::vector<std::string>* out, std::string* error);
    bool Wait(const std::vector<ScriptWord>& w, std::vector<std::string>* out, std::string* error);
    bool Screenshot(const std::vector<ScriptWord>& w, std::vector<std::string>* out, std::string* error);
    bool SaveForm(const std::vector<ScriptWord>& w, std::vector<std::string>* out, std::string* error);
    bool Events(const std::vector<ScriptWord>& w, std::vector<std::string>* out, std::string* error);
    bool Click(const std::vector<ScriptWord>& w, std::vector<std::string>* out, std::string* error);
    bool DoubleClick(const std::vector<ScriptWord>& w, std::vector<std::string>* out, std::string* error);
    bool Dialog(const std::vector<ScriptWord>& w, std::vector<std::string>* out, std::string* error);
    bool Verb(const std::vector<ScriptWord>& w, std::vector<std::string>* out, std::string* error);
    bool Persist(const std::vector<ScriptWord>& w, std::vector<std::string>* out, std::string* error);
    bool Access(const std::vector<ScriptWord>& w, std::vector<std::string>* out, std::string* error);
    bool Members(const std::vector<ScriptWord>& w, std::vector<std::string>* out, std::string* error);
    bool Help(const std::vector<ScriptWord>& w, std::vector<std::string>* out, std::string* error);

    // One script command: its name, what runs it (none for quit, which ends
    // the script) and, for help, its arguments and what it does.
    struct Command {
        const char* name;
        bool (Container::*run)(const std::vector<ScriptWord>&, std::vector<std::string>*, std::string*);
        const char* about;
    };
    static const std::vector<Command>& Commands();

    bool DialogList(const std::vector<ScriptWord>& w, HWND item, std::vector<std::string>* out,
                    std::string* error);
    bool ChooseMenu(const std::vector<ScriptWord>& w, std::string* error);
    HWND DialogItemWindow(int id) const;
    COleControl* Named(const std::vector<ScriptWord>& w, std::string* error) const;
    bool Value(const ScriptWord& word, Variant* value, std::string* error);
    bool Member(COleControl* control, const std::string& name, DISPID* id, std::string* error) const;
    bool Args(const std::vector<ScriptWord>& w, std::size_t from, std::size_t to, DispArgs* args,
              std::string* error);
    bool ClickControl(const std::vector<ScriptWord>& w, bool twice, std::string* error);

    ContainerWindow window_;
    std::map<std::string, std::unique_ptr<COleControl>> controls_;
    std::vector<std::string> creationOrder_;
    // Events not printed yet: the newest kEventsKept and a count of older
    // ones dropped, so a script that never asks does not grow the container.
    static constexpr std::size_t kEventsKept = 10000;
    std::deque<std::string> events_;
    std::size_t eventsDropped_ = 0;
    std::vector<CDialog*> dialogs_;
    const std::vector<nimbo::MenuEntry>* menu_ = nullptr;
    UINT menuChoice_ = 0;
};
