// The three standard controls a form places by itself, and what each of
// them takes from the form file.
#include "platform/form/form_impl.h"

#include "platform/controls.h"

#include <strings.h>

#include <string_view>

namespace nimbo::form {
namespace {

struct Setting {
    Standard kind;
    const char* key;
    VARTYPE type;
};

constexpr Setting kSettings[] = {
    {Standard::Label, "Caption", VT_BSTR},
    {Standard::Label, "Enabled", VT_BOOL},
    {Standard::Label, "Visible", VT_BOOL},
    {Standard::TextBox, "Text", VT_BSTR},
    {Standard::TextBox, "Enabled", VT_BOOL},
    {Standard::TextBox, "Visible", VT_BOOL},
    {Standard::TextBox, "Locked", VT_BOOL},
    {Standard::TextBox, "MaxLength", VT_I4},
    {Standard::TextBox, "PasswordChar", VT_BSTR},
    {Standard::CommandButton, "Caption", VT_BSTR},
    {Standard::CommandButton, "Enabled", VT_BOOL},
    {Standard::CommandButton, "Visible", VT_BOOL},
    {Standard::CommandButton, "Default", VT_BOOL},
    // Declared actions: open another form file (beside this one) once, or
    // close the button's own form.
    {Standard::CommandButton, "Opens", VT_BSTR},
    {Standard::CommandButton, "Closes", VT_BOOL},
};

const char* TypeText(VARTYPE type)
{
    return type == VT_BSTR ? "a quoted string" : type == VT_BOOL ? "true or false" : "a number";
}

// Sizes Visual Basic gave a control drawn with a single click, in pixels.
SIZE DefaultSize(Standard kind)
{
    switch (kind) {
    case Standard::TextBox: return SIZE{81, 33};
    case Standard::CommandButton: return SIZE{81, 33};
    default: return SIZE{81, 17};
    }
}

std::string StringOf(const ControlDesign& design, const char* key)
{
    const Property* p = design.Find(key);
    return p ? p->value.AsString() : std::string();
}

bool BoolOf(const ControlDesign& design, const char* key, bool otherwise)
{
    const Property* p = design.Find(key);
    return p ? p->value.AsBool() : otherwise;
}

}  // namespace

Standard StandardClass(const std::string& className)
{
    // Form files written by Visual Basic name them with their library.
    std::string name = className;
    if (name.size() > 3 && strncasecmp(name.c_str(), "VB.", 3) == 0)
        name = name.substr(3);
    for (Standard kind : {Standard::Label, Standard::TextBox, Standard::CommandButton})
        if (SameName(name, StandardName(kind)))
            return kind;
    return Standard::None;
}

const char* StandardName(Standard kind)
{
    switch (kind) {
    case Standard::Label: return "Label";
    case Standard::TextBox: return "TextBox";
    case Standard::CommandButton: return "CommandButton";
    default: return "";
    }
}

std::vector<StandardSetting> StandardSettings(Standard kind)
{
    std::vector<StandardSetting> settings;
    for (const Setting& s : kSettings) {
        if (s.kind != kind)
            continue;
        const bool onByDefault = std::string_view(s.key) == "Enabled" || std::string_view(s.key) == "Visible";
        settings.push_back({s.key, s.type,
                            s.type == VT_BSTR   ? Variant::String("")
                            : s.type == VT_BOOL ? Variant::Bool(onByDefault)
                                                : Variant::Long(0)});
    }
    return settings;
}

bool CheckStandardProperty(Standard kind, const Property& property, std::string* reason)
{
    for (const Setting& s : kSettings) {
        if (s.kind != kind || property.key != s.key)
            continue;
        if (property.value.Type() != s.type) {
            *reason = property.key + " of a " + StandardName(kind) + " is " + TypeText(s.type);
            return false;
        }
        if (s.type == VT_I4 && property.value.AsLong() < 0) {
            *reason = property.key + " must not be negative";
            return false;
        }
        return true;
    }
    *reason = std::string("a ") + StandardName(kind) + " has no property '" + property.key + "'";
    return false;
}

std::unique_ptr<CWnd> MakeStandard(Standard kind)
{
    switch (kind) {
    case Standard::Label: return std::make_unique<CStatic>();
    case Standard::TextBox: return std::make_unique<CEdit>();
    case Standard::CommandButton: return std::make_unique<CButton>();
    default: return nullptr;
    }
}

bool CreateStandard(CWnd* wnd, const ControlDesign& design, HWND parent, UINT id)
{
    const SIZE size = DefaultSize(design.standard);
    const int x = TwipsToPixels(design.left.value_or(0));
    const int y = TwipsToPixels(design.top.value_or(0));
    const RECT rect{x, y, x + (design.width ? TwipsToPixels(*design.width) : size.cx),
                    y + (design.height ? TwipsToPixels(*design.height) : size.cy)};
    bool created = false;
    if (auto* label = dynamic_cast<CStatic*>(wnd)) {
        created = label->Create(parent, rect, id, StringOf(design, "Caption"));
    } else if (auto* edit = dynamic_cast<CEdit*>(wnd)) {
        created = edit->Create(parent, rect, id, StringOf(design, "Text"), !StringOf(design, "PasswordChar").empty());
        if (created) {
            edit->SetReadOnly(BoolOf(design, "Locked", false));
            if (const Property* p = design.Find("MaxLength"))
                edit->SetLimitText(p->value.AsLong());
        }
    } else if (auto* button = dynamic_cast<CButton*>(wnd)) {
        created = button->Create(parent, rect, id, StringOf(design, "Caption"), BoolOf(design, "Default", false));
    }
    if (!created)
        return false;
    if (!BoolOf(design, "Enabled", true))
        EnableWindow(wnd->m_hWnd, FALSE);
    if (!BoolOf(design, "Visible", true))
        ShowWindow(wnd->m_hWnd, SW_HIDE);
    return true;
}

}  // namespace nimbo::form
