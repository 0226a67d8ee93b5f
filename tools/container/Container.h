// A container window that hosts controls created by class, and the script
// commands that drive it: create, load, save, put, get, call, wait, click,
// dblclick, screenshot, events, quit.
#pragma once

#include "platform/olectl.h"
#include "tools/container/ScriptLine.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

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

private:
    bool Create(const std::vector<ScriptWord>& w, std::string* error);
    bool Value(const ScriptWord& word, Variant* value, std::string* error);
    bool Member(COleControl* control, const std::string& name, DISPID* id, std::string* error) const;
    bool Args(const std::vector<ScriptWord>& w, std::size_t from, std::size_t to, DispArgs* args,
              std::string* error);
    bool Click(const std::vector<ScriptWord>& w, bool twice, std::string* error);

    ContainerWindow window_;
    std::map<std::string, std::unique_ptr<COleControl>> controls_;
    std::vector<std::string> creationOrder_;
    std::vector<std::string> events_;
};
