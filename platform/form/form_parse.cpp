// Reading form files. The whole file is checked before anything is built,
// and a problem names its file and line, as a compiler would.
#include "platform/form/form_design.h"
#include "platform/core/text_trim.h"

#include "platform/propbag.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <sstream>
#include <strings.h>

namespace nimbo::form {
namespace {

// Far more than any control persists (the server, the most, about a
// hundred); a control's property bag finds each key by a search of all the
// keys before it.
constexpr std::size_t kMaxKeys = 1000;

struct NoCase {
    bool operator()(const std::string& a, const std::string& b) const { return strcasecmp(a.c_str(), b.c_str()) < 0; }
};

// A '#' starts a comment unless it is inside a quoted string.
std::string WithoutComment(const std::string& line)
{
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (quoted && line[i] == '\\')
            ++i;
        else if (line[i] == '"')
            quoted = !quoted;
        else if (!quoted && line[i] == '#')
            return line.substr(0, i);
    }
    return line;
}

std::vector<std::string> Words(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

// Dotted names ("LEDLib.Led", "LED.LedCtrl.1") or a class identifier.
bool IsClassName(const std::string& s)
{
    if (s.empty())
        return false;
    for (char c : s)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != '.' && c != '{' && c != '}' && c != '-')
            return false;
    return true;
}

bool IsKey(const std::string& s)
{
    if (s.empty())
        return false;
    for (char c : s)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != '.')
            return false;
    return true;
}

// Words the form itself takes without quotes (default, nimbo:1) may be
// quoted too.
std::string Unquoted(const std::string& value)
{
    Variant v;
    std::string ignored;
    if (!value.empty() && value[0] == '"' && ParseValueText(value, &v, &ignored))
        return v.AsString();
    return value;
}

class Parser {
public:
    Parser(const std::string& file, FormDesign* out) : form_(out) { form_->file = file; }

    bool Line(int number, const std::string& raw, std::string* error);
    bool Finish(int lastLine, std::string* error);

private:
    enum class State { BeforeForm, InForm, InControl, AfterForm };

    bool Fail(int line, const std::string& reason, std::string* error)
    {
        *error = form_->At(line) + reason;
        return false;
    }
    bool Begin(int line, const std::vector<std::string>& words, std::string* error);
    bool Declarations(std::string* error);
    bool Assignment(int line, const std::string& text, std::string* key, std::string* value, std::string* error);
    bool FormProperty(int line, const std::string& text, std::string* error);
    bool ControlProperty(int line, const std::string& text, std::string* error);
    // Each key once per block, whatever its case.
    bool Unique(int line, const std::string& key, std::string* error);

    FormDesign* form_;
    State state_ = State::BeforeForm;
    // Key and line; a map, so that a block of many keys does not take
    // quadratic time to check.
    std::map<std::string, int, NoCase> keysOfBlock_;
};

bool Parser::Line(int number, const std::string& raw, std::string* error)
{
    const std::string text = Trim(WithoutComment(raw));
    // What the file says of itself before its form, kept for its saves.
    if (state_ == State::BeforeForm && text.empty()) {
        form_->preamble += raw + "\n";
        return true;
    }
    if (text.empty())
        return true;
    const std::vector<std::string> words = Words(text);
    const bool assignment = text.find('=') != std::string::npos;
    switch (state_) {
    case State::BeforeForm:
        if (words.size() != 2 || words[0] != "Form" || !IsName(words[1]))
            return Fail(number, "expected 'Form NAME'", error);
        form_->name = words[1];
        form_->line = number;
        state_ = State::InForm;
        return true;
    case State::InForm:
        if (words[0] == "Begin")
            return Begin(number, words, error);
        if (text == "End") {
            state_ = State::AfterForm;
            return true;
        }
        if (assignment)
            return FormProperty(number, text, error);
        break;
    case State::InControl:
        if (words[0] == "Begin")
            return Fail(number, "Begin inside a control: the End of " + form_->controls.back().name + " (line " +
                                    std::to_string(form_->controls.back().line) + ") is missing",
                        error);
        if (text == "End") {
            state_ = State::InForm;
            keysOfBlock_.clear();
            return true;
        }
        if (assignment)
            return ControlProperty(number, text, error);
        break;
    case State::AfterForm:
        return Fail(number, "text after the End of the form", error);
    }
    return Fail(number, "expected 'Key = value', 'Begin NAME CLASS' or 'End'", error);
}

bool Parser::Finish(int lastLine, std::string* error)
{
    switch (state_) {
    case State::BeforeForm:
        return Fail(std::max(1, lastLine), "no 'Form NAME' line", error);
    case State::InForm:
        return Fail(form_->line, "Form " + form_->name + " has no End", error);
    case State::InControl:
        return Fail(form_->controls.back().line, "Begin " + form_->controls.back().name + " has no End", error);
    case State::AfterForm:
        return Declarations(error);
    }
    return true;
}

// What the form declares must name what is on it: checked once every
// control is read, so a declaration may come before the control it names.
bool Parser::Declarations(std::string* error)
{
    const FormDesign& f = *form_;
    if (!f.server.empty() && !SameName(f.server, kOpener)) {
        const auto named = std::find_if(f.controls.begin(), f.controls.end(),
                                        [&](const ControlDesign& c) { return SameName(c.name, f.server); });
        if (named == f.controls.end())
            return Fail(f.serverLine, "Server names " + f.server + ", which is not on form " + f.name, error);
        if (named->standard != Standard::None)
            return Fail(f.serverLine, "Server names " + f.server + ", a " + StandardName(named->standard) +
                                          ", not a server control",
                        error);
    }
    if (f.server.empty() && (f.registerClients || f.startServer))
        return Fail(f.registerClients ? f.registerLine : f.startLine,
                    std::string(f.registerClients ? "RegisterClients" : "StartServer") + " needs a Server", error);
    if (f.startServer && SameName(f.server, kOpener))
        return Fail(f.startLine, "StartServer starts a server on this form, not the opener's", error);
    for (const ControlDesign& c : f.controls) {
        const Property* opens = c.Find("Opens");
        const Property* closes = c.Find("Closes");
        if (opens && opens->value.AsString().empty())
            return Fail(opens->line, "Opens names a form file", error);
        if (opens && closes && closes->value.AsBool())
            return Fail(closes->line, c.name + " opens a form or closes its own, not both", error);
    }
    return true;
}

bool Parser::Begin(int line, const std::vector<std::string>& words, std::string* error)
{
    if (words.size() != 3 || !IsName(words[1]) || !IsClassName(words[2]))
        return Fail(line, "expected 'Begin NAME CLASS'", error);
    if (form_->controls.size() == kMaxControls)
        return Fail(line, "more than " + std::to_string(kMaxControls) + " controls on form " + form_->name, error);
    for (const ControlDesign& other : form_->controls)
        if (SameName(other.name, words[1]))
            return Fail(line, "duplicate control name '" + words[1] + "' (first at line " + std::to_string(other.line) + ")",
                        error);
    ControlDesign control;
    control.name = words[1];
    control.className = words[2];
    control.line = line;
    control.standard = StandardClass(words[2]);
    std::string reason;
    if (control.standard == Standard::None && !ClassKnown(words[2], &reason))
        return Fail(line, reason, error);
    form_->controls.push_back(std::move(control));
    keysOfBlock_.clear();
    state_ = State::InControl;
    return true;
}

bool Parser::Unique(int line, const std::string& key, std::string* error)
{
    const auto [seen, added] = keysOfBlock_.emplace(key, line);
    if (!added)
        return Fail(line, key + " given twice (first at line " + std::to_string(seen->second) + ")", error);
    return true;
}

bool Parser::Assignment(int line, const std::string& text, std::string* key, std::string* value, std::string* error)
{
    const std::size_t eq = text.find('=');
    *key = Trim(text.substr(0, eq));
    *value = Trim(text.substr(eq + 1));
    if (!IsKey(*key))
        return Fail(line, "bad property name '" + *key + "'", error);
    if (value->empty())
        return Fail(line, "no value for " + *key, error);
    return Unique(line, *key, error);
}

bool Parser::FormProperty(int line, const std::string& text, std::string* error)
{
    std::string key, raw, reason;
    if (!Assignment(line, text, &key, &raw, error))
        return false;
    if (key == "StartUpPosition") {
        // The numbers are the ones Visual Basic wrote: 0 manual, 1 centre
        // on the owner, 2 centre on the screen, 3 the system's choice.
        const std::string word = Unquoted(raw);
        if (word == "default" || word == "0" || word == "3")
            form_->center = false;
        else if (word == "center" || word == "1" || word == "2")
            form_->center = true;
        else
            return Fail(line, "StartUpPosition is default or center, not " + raw, error);
        return true;
    }
    if (key == "Icon") {
        const std::string word = Unquoted(raw);
        const std::size_t colon = word.rfind(':');
        bool ok = false;
        const std::int32_t id = colon == std::string::npos ? 0 : Variant::String(word.substr(colon + 1)).AsLong(&ok);
        if (colon == 0 || colon == std::string::npos || !ok || id <= 0)
            return Fail(line, "Icon is MODULE:NUMBER (a resource module and an icon in it), not " + raw, error);
        form_->iconModule = word.substr(0, colon);
        form_->iconId = static_cast<UINT>(id);
        form_->iconLine = line;
        return true;
    }
    Variant value;
    if (!ParseValueText(raw, &value, &reason))
        return Fail(line, "bad value for " + key + ": " + reason, error);
    if (key == "Caption") {
        if (value.Type() != VT_BSTR)
            return Fail(line, "Caption is a quoted string", error);
        form_->caption = value.AsString();
        return true;
    }
    if (key == "Server") {
        if (value.Type() != VT_BSTR || !IsName(value.AsString()))
            return Fail(line, "Server is the quoted name of a control on the form, or \"Opener\"", error);
        form_->server = value.AsString();
        form_->serverLine = line;
        return true;
    }
    if (key == "RegisterClients" || key == "StartServer") {
        if (value.Type() != VT_BOOL)
            return Fail(line, key + " is true or false", error);
        const bool registerClients = key == "RegisterClients";
        (registerClients ? form_->registerClients : form_->startServer) = value.AsBool();
        (registerClients ? form_->registerLine : form_->startLine) = line;
        return true;
    }
    if (key == "ClientWidth" || key == "ClientHeight") {
        if (value.Type() != VT_I4 || value.AsLong() <= 0)
            return Fail(line, key + " is a number of twips above 0", error);
        if (value.AsLong() > kMaxTwips)
            return Fail(line, key + " is at most " + std::to_string(kMaxTwips) + " twips", error);
        (key == "ClientWidth" ? form_->clientWidth : form_->clientHeight) = value.AsLong();
        return true;
    }
    return Fail(line, "a Form has no property '" + key + "'", error);
}

bool Parser::ControlProperty(int line, const std::string& text, std::string* error)
{
    ControlDesign& control = form_->controls.back();
    if (keysOfBlock_.size() == kMaxKeys)
        return Fail(line, control.name + " has more than " + std::to_string(kMaxKeys) + " properties", error);
    std::string key, raw, reason;
    if (!Assignment(line, text, &key, &raw, error))
        return false;
    Variant value;
    if (!ParseValueText(raw, &value, &reason))
        return Fail(line, "bad value for " + key + ": " + reason, error);
    std::optional<int>* place = key == "Left"     ? &control.left
                                : key == "Top"    ? &control.top
                                : key == "Width"  ? &control.width
                                : key == "Height" ? &control.height
                                                  : nullptr;
    if (place) {
        if (value.Type() != VT_I4)
            return Fail(line, key + " is a number of twips", error);
        const bool size = key == "Width" || key == "Height";
        if (size && value.AsLong() < 0)
            return Fail(line, key + " must not be negative", error);
        if (size && value.AsLong() > kMaxTwips)
            return Fail(line, key + " is at most " + std::to_string(kMaxTwips) + " twips", error);
        if (!size && (value.AsLong() < -kMaxTwips || value.AsLong() > kMaxTwips))
            return Fail(line, key + " is between " + std::to_string(-kMaxTwips) + " and " + std::to_string(kMaxTwips) +
                                  " twips",
                        error);
        *place = value.AsLong();
        return true;
    }
    Property property{key, value, line, raw};
    if (control.standard != Standard::None && !CheckStandardProperty(control.standard, property, &reason))
        return Fail(line, reason, error);
    control.properties.push_back(std::move(property));
    return true;
}

}  // namespace

bool IsName(const std::string& s)
{
    if (s.empty() || !(std::isalpha(static_cast<unsigned char>(s[0])) || s[0] == '_'))
        return false;
    for (char c : s)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_')
            return false;
    return true;
}

const Property* ControlDesign::Find(const std::string& key) const
{
    for (const Property& p : properties)
        if (p.key == key)
            return &p;
    return nullptr;
}

std::string FormSettings::At(int line) const
{
    return file + ":" + std::to_string(line) + ": ";
}

int TwipsToPixels(int twips)
{
    return static_cast<int>(std::lround(twips / double(kTwipsPerPixel)));
}

bool ParseForm(const std::string& text, const std::string& file, FormDesign* out, std::string* error)
{
    *out = FormDesign{};
    Parser parser(file, out);
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!parser.Line(number, line, error))
            return false;
    }
    return parser.Finish(number, error);
}

}  // namespace nimbo::form
