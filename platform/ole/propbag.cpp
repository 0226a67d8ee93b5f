#include "platform/propbag.h"
#include "platform/core/text_trim.h"

#include <cctype>
#include <fstream>
#include <sstream>

namespace {

using nimbo::Trim;

bool IsKey(const std::string& key)
{
    if (key.empty())
        return false;
    for (char c : key)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != '.')
            return false;
    return true;
}

}  // namespace

bool ParseValueText(const std::string& raw, Variant* out, std::string* error)
{
    std::string text = Trim(raw);
    if (text.empty()) {
        *error = "missing value";
        return false;
    }
    if (text == "true" || text == "false") {
        *out = Variant::Bool(text == "true");
        return true;
    }
    if (text[0] == '"') {
        std::string value;
        std::size_t i = 1;
        for (; i < text.size() && text[i] != '"'; ++i) {
            if (text[i] == '\\' && i + 1 < text.size()) {
                char c = text[++i];
                value += c == 'n' ? '\n' : c == 't' ? '\t' : c;
            } else {
                value += text[i];
            }
        }
        if (i != text.size() - 1) {
            *error = i >= text.size() ? "unterminated string" : "text after the closing quote";
            return false;
        }
        *out = Variant::String(value);
        return true;
    }
    bool ok = false;
    std::int32_t v = Variant::String(text).AsLong(&ok);
    if (!ok) {
        *error = "not a number, true/false or a quoted string: " + text;
        return false;
    }
    *out = Variant::Long(v);
    return true;
}

std::string ValueToText(const Variant& value)
{
    if (value.Type() != VT_BSTR)
        return value.AsString();
    std::string out = "\"";
    for (char c : value.AsString()) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        out += c;
    }
    return out + "\"";
}

void PropertyBag::Write(const std::string& key, const Variant& value)
{
    for (auto& kv : values_) {
        if (kv.first == key) {
            kv.second = value;
            return;
        }
    }
    values_.emplace_back(key, value);
}

const Variant* PropertyBag::Read(const std::string& key) const
{
    for (const auto& kv : values_)
        if (kv.first == key)
            return &kv.second;
    return nullptr;
}

std::string PropertyBag::ToText() const
{
    std::string out;
    for (const auto& [key, value] : values_)
        out += key + " = " + ValueToText(value) + "\n";
    return out;
}

bool PropertyBag::ParseLine(const std::string& line, std::string* error)
{
    std::size_t eq = line.find('=');
    if (eq == std::string::npos) {
        *error = "expected Key = value";
        return false;
    }
    std::string key = Trim(line.substr(0, eq));
    if (!IsKey(key)) {
        *error = "bad property name '" + key + "'";
        return false;
    }
    Variant value;
    if (!ParseValueText(line.substr(eq + 1), &value, error))
        return false;
    Write(key, value);
    return true;
}

bool PropertyBag::FromText(const std::string& text, std::string* error, int firstLine)
{
    std::istringstream in(text);
    std::string line;
    int number = firstLine - 1;
    while (std::getline(in, line)) {
        ++number;
        std::string t = Trim(line);
        if (t.empty() || t[0] == '#')
            continue;
        std::string reason;
        if (!ParseLine(t, &reason)) {
            *error = "line " + std::to_string(number) + ": " + reason;
            return false;
        }
    }
    return true;
}

bool PropertyBag::SaveFile(const std::string& path, std::string* error) const
{
    std::ofstream out(path);
    if (!out) {
        *error = "cannot write " + path;
        return false;
    }
    out << ToText();
    return static_cast<bool>(out);
}

bool PropertyBag::LoadFile(const std::string& path, std::string* error)
{
    std::ifstream in(path);
    if (!in) {
        *error = "cannot read " + path;
        return false;
    }
    std::stringstream text;
    text << in.rdbuf();
    std::string reason;
    if (!FromText(text.str(), &reason)) {
        *error = path + ": " + reason;
        return false;
    }
    return true;
}
