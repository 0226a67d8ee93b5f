// A standard control's settings as a dialog: a row for each setting, an
// edit field for text and numbers, a check box for true or false.
#include "platform/form/form_standard_dialog.h"

#include <algorithm>

namespace nimbo::form {
namespace {

constexpr int kRow = 18;  // dialog units from one setting to the next

DialogTemplate StandardTemplate(const ControlDesign& design)
{
    DialogTemplate t;
    t.caption = design.name + " (" + StandardName(design.standard) + ")";
    t.cx = 200;
    int y = 7, id = StandardDialog::kFirstField;
    for (const StandardSetting& s : StandardSettings(design.standard)) {
        if (s.type == VT_BOOL) {
            t.items.push_back({DialogItem::CheckBox, static_cast<UINT>(id++), s.key, 60, y, 100, 12});
        } else {
            t.items.push_back({DialogItem::Static, IDC_STATIC, std::string(s.key) + ":", 7, y + 2, 50, 8});
            t.items.push_back({DialogItem::Edit, static_cast<UINT>(id++), "", 60, y, 133, 14});
        }
        y += kRow;
    }
    t.items.push_back({DialogItem::DefPushButton, IDOK, "OK", 89, y + 4, 50, 14});
    t.items.push_back({DialogItem::Button, IDCANCEL, "Cancel", 143, y + 4, 50, 14});
    t.cy = y + 25;
    return t;
}

}  // namespace

StandardDialog::StandardDialog(const ControlDesign& design) : CDialog(StandardTemplate(design)), design_(design)
{
    for (const StandardSetting& s : StandardSettings(design.standard)) {
        const Property* given = design.Find(s.key);
        const Variant& value = given ? given->value : s.otherwise;
        fields_.push_back({s, value.AsString(), value.AsLong(), value.AsBool() ? TRUE : FALSE});
    }
}

void StandardDialog::DoDataExchange(CDataExchange* pDX)
{
    int id = kFirstField;
    for (Field& f : fields_) {
        if (f.setting.type == VT_BOOL) {
            DDX_Check(pDX, id, f.checked);
        } else if (f.setting.type == VT_I4) {
            DDX_Text(pDX, id, f.number);
            DDV_MinMaxLong(pDX, f.number, 0, 0x7FFFFFFF);
        } else {
            DDX_Text(pDX, id, f.text);
        }
        ++id;
    }
}

std::vector<Property> StandardDialog::Properties() const
{
    auto valueOf = [](const Field& f) {
        return f.setting.type == VT_BOOL ? Variant::Bool(f.checked != FALSE)
               : f.setting.type == VT_I4 ? Variant::Long(f.number)
                                         : Variant::String(f.text);
    };
    std::vector<Property> out = design_.properties;
    for (Property& p : out)
        for (const Field& f : fields_)
            if (p.key == f.setting.key && !(p.value == valueOf(f)))
                p = {p.key, valueOf(f), p.line, {}};
    for (const Field& f : fields_) {
        const bool inFile = std::any_of(out.begin(), out.end(), [&f](const Property& p) { return p.key == f.setting.key; });
        if (!inFile && !(valueOf(f) == f.setting.otherwise))
            out.push_back({f.setting.key, valueOf(f), 0, {}});
    }
    return out;
}

}  // namespace nimbo::form
