// Writing a form file: the form's own settings and declarations, then each
// control with its place, size and properties, in the layout people write.
#include "platform/form/form_impl.h"

#include "platform/olectl.h"
#include "platform/propbag.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unordered_map>
#include <unordered_set>

namespace nimbo::form {
namespace {

void Line(std::ostringstream& out, int indent, const std::string& key, const std::string& value)
{
    out << std::string(static_cast<std::size_t>(indent) * 4, ' ') << key << " = " << value << "\n";
}

}  // namespace

std::string WriteForm(const FormDesign& f)
{
    std::ostringstream out;
    out << f.preamble << "Form " << f.name << "\n";
    Line(out, 1, "Caption", ValueToText(Variant::String(f.caption)));
    Line(out, 1, "ClientWidth", std::to_string(f.clientWidth));
    Line(out, 1, "ClientHeight", std::to_string(f.clientHeight));
    Line(out, 1, "StartUpPosition", f.center ? "center" : "default");
    if (!f.iconModule.empty()) {
        // Bare as people write it, quoted when the module's name has
        // anything a bare word cannot hold (a space, a '#').
        const std::string icon = f.iconModule + ":" + std::to_string(f.iconId);
        const bool bare = std::all_of(f.iconModule.begin(), f.iconModule.end(), [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.' || c == '-';
        });
        Line(out, 1, "Icon", bare ? icon : ValueToText(Variant::String(icon)));
    }
    if (!f.server.empty())
        Line(out, 1, "Server", ValueToText(Variant::String(f.server)));
    if (f.registerClients)
        Line(out, 1, "RegisterClients", "true");
    if (f.startServer)
        Line(out, 1, "StartServer", "true");
    for (const ControlDesign& c : f.controls) {
        out << "    Begin " << c.name << " " << c.className << "\n";
        const std::pair<const char*, const std::optional<int>*> places[] = {
            {"Left", &c.left}, {"Top", &c.top}, {"Width", &c.width}, {"Height", &c.height}};
        for (const auto& [key, value] : places)
            if (value->has_value())
                Line(out, 2, key, std::to_string(**value));
        for (const Property& p : c.properties)
            Line(out, 2, p.key, p.text.empty() ? ValueToText(p.value) : p.text);
        out << "    End\n";
    }
    out << "End\n";
    return out.str();
}

RECT RectInParent(HWND window, HWND parent)
{
    RECT r{};
    GetWindowRect(window, &r);
    POINT origin{r.left, r.top};
    ScreenToClient(parent, &origin);
    return RECT{origin.x, origin.y, origin.x + (r.right - r.left), origin.y + (r.bottom - r.top)};
}

std::vector<Property> PersistedProperties(COleControl* control)
{
    PropertyBag bag;
    control->SaveProperties(&bag);
    std::vector<Property> properties;
    for (const auto& [key, value] : bag.Values())
        properties.push_back({key, value, 0, {}});
    return properties;
}

std::vector<Property> PropertiesToWrite(const std::vector<Property>& written, const std::vector<Property>& loaded,
                                        const std::vector<Property>& now)
{
    std::unordered_map<std::string, const Variant*> loadedByKey, nowByKey;
    for (const Property& p : loaded)
        loadedByKey.emplace(p.key, &p.value);
    for (const Property& p : now)
        nowByKey.emplace(p.key, &p.value);
    auto unchanged = [&](const std::string& key, const Variant& value) {
        const auto was = loadedByKey.find(key);
        return was != loadedByKey.end() && *was->second == value;
    };
    std::vector<Property> out;
    std::unordered_set<std::string> inFile;
    for (const Property& p : written) {
        inFile.insert(p.key);
        const auto is = nowByKey.find(p.key);
        if (is == nowByKey.end() || unchanged(p.key, *is->second))
            out.push_back(p);
        else
            out.push_back({p.key, *is->second, 0, {}});
    }
    for (const Property& p : now)
        if (!inFile.count(p.key) && !unchanged(p.key, p.value))
            out.push_back({p.key, p.value, 0, {}});
    return out;
}

// Checked by reading it back before anything is written, then written
// beside the file and put in its place, so that a failure leaves the old
// file whole. A link stays a link (its target is written) and the file
// keeps who may read and write it.
bool SaveFormText(const std::string& text, const std::string& path, std::string* reason)
{
    namespace fs = std::filesystem;
    FormDesign check;
    std::string why;
    if (!ParseForm(text, path, &check, &why)) {
        if (reason)
            *reason = "not saved, the form would not load again: " + why;
        return false;
    }
    std::error_code error;
    fs::path target = path;
    // A file not there yet is no error here: its status says so.
    if (fs::is_symlink(fs::symlink_status(target, error)))
        target = fs::canonical(target, error);
    else
        error.clear();
    if (error) {
        if (reason)
            *reason = path + ": cannot write the form file (" + error.message() + ")";
        return false;
    }
    const fs::path temporary = target.string() + ".saving";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        if (!out) {
            fs::remove(temporary, error);
            if (reason)
                *reason = path + ": cannot write the form file";
            return false;
        }
    }
    const fs::file_status before = fs::status(target, error);
    if (fs::exists(before))
        fs::permissions(temporary, before.permissions(), error);
    fs::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        if (reason)
            *reason = path + ": cannot write the form file (" + error.message() + ")";
        return false;
    }
    return true;
}

}  // namespace nimbo::form
