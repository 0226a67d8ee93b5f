// A control's automation interface in words, for the people who write
// forms and scripts: so nobody has to guess a property's name or type.
#include "platform/olectl.h"
#include "platform/propbag.h"

#include <algorithm>
#include <strings.h>

namespace {

// The automation names of the types members are declared with; VT_EMPTY
// (a method without a result, an undeclared type) has none.
std::string TypeName(VARTYPE type)
{
    switch (type) {
    case VT_I4: return "long";
    case VT_BSTR: return "string";
    case VT_BOOL: return "boolean";
    case VT_I8: return "int64";
    case VT_COLOR: return "color";
    case VT_EMPTY: return "";
    }
    return "type" + std::to_string(static_cast<int>(type));
}

// " TYPE", then " (NAME TYPE, ...)" for a member that takes arguments.
std::string Signature(VARTYPE type, const std::vector<std::string>& names, const std::vector<VARTYPE>& types)
{
    std::string text = type == VT_EMPTY ? "" : " " + TypeName(type);
    if (names.empty() && types.empty())
        return text;
    text += " (";
    for (std::size_t i = 0; i < std::max(names.size(), types.size()); ++i) {
        std::string param = i < names.size() ? names[i] : "";
        if (i < types.size() && types[i] != VT_EMPTY)
            param += (param.empty() ? "" : " ") + TypeName(types[i]);
        text += (i > 0 ? ", " : "") + param;
    }
    return text + ")";
}

std::string ValueText(const Variant& v)
{
    return v.Type() == VT_BSTR ? "\"" + v.AsString() + "\"" : v.AsString();
}

const Variant* Persisted(const PropertyBag& bag, const std::string& name)
{
    for (const auto& [key, value] : bag.Values())
        if (strcasecmp(key.c_str(), name.c_str()) == 0)
            return &value;
    return nullptr;
}

}  // namespace

std::vector<std::string> nimbo::DescribeMembers(COleControl& control, bool withDefaults)
{
    PropertyBag saved;
    if (withDefaults)
        control.SaveProperties(&saved);
    std::vector<std::string> lines;
    for (const DispEntry& e : control.Dispatch().Entries()) {
        const bool property = e.kind == DispEntry::Kind::Property;
        std::string line = std::string(property ? "property " : "method ") + std::to_string(e.id) + " " + e.name +
                           Signature(e.type, e.paramNames, e.paramTypes);
        if (property && !e.put)
            line += " read-only";
        else if (property && !e.get)
            line += " write-only";
        if (withDefaults && property) {
            const Variant* stored = Persisted(saved, e.name);
            if (stored)
                line += " default " + ValueText(*stored) + " persisted";
            else if (e.get && e.paramNames.empty() && e.paramTypes.empty())
                line += " default " + ValueText(e.get({}));
        }
        lines.push_back(line);
    }
    for (const EventEntry& e : control.Dispatch().Events())
        lines.push_back("event " + std::to_string(e.id) + " " + e.name + Signature(VT_EMPTY, e.paramNames, e.paramTypes));
    return lines;
}
