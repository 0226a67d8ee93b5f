// Property pages: fields bound to properties by name, loaded from the first
// control and applied to all of them once every field has passed.
#include "platform/proppage.h"

#include "platform/dialogs/dlg_widgets_qt.h"

COlePropertyPage::COlePropertyPage(HINSTANCE module, UINT templateId, UINT captionStringId)
    : CDialog(module, templateId), caption_(nimbo::LoadResourceString(module, captionStringId))
{
}

COlePropertyPage::COlePropertyPage(DialogTemplate dialogTemplate, std::string caption)
    : CDialog(std::move(dialogTemplate)), caption_(std::move(caption))
{
}

void COlePropertyPage::SetModifiedFlag(bool modified)
{
    if (dirty_ == modified)
        return;
    dirty_ = modified;
    if (listener_)
        listener_(modified);
}

// Filling the fields changes them; that is no edit of the user's.
BOOL COlePropertyPage::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetModifiedFlag(false);
    return TRUE;
}

// What the user changes in a field makes the page dirty; pressing a plain
// button does not.
BOOL COlePropertyPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const WORD code = HIWORD(wParam);
    CWnd* from = FromHandle(static_cast<HWND>(lParam));
    const bool edited = (code == EN_CHANGE && dynamic_cast<CEdit*>(from)) ||
                        (code == CBN_SELCHANGE && (dynamic_cast<CComboBox*>(from) ||
                                                   dynamic_cast<nimbo::dlg::ColorListWnd*>(from))) ||
                        (code == BN_CLICKED && dynamic_cast<nimbo::dlg::CheckBoxWnd*>(from));
    if (edited)
        SetModifiedFlag(true);
    return CDialog::OnCommand(wParam, lParam);
}

bool COlePropertyPage::GetObjectProperty(const std::string& property, Variant* value) const
{
    for (COleControl* object : objects_) {
        const DispEntry* entry = object ? object->Dispatch().Find(property) : nullptr;
        if (entry && SUCCEEDED(object->GetProperty(entry->id, {}, value)))
            return true;
    }
    return false;
}

void COlePropertyPage::ExchangeProperty(CDataExchange* pDX, const std::string& property,
                                        std::function<void(const Variant&)> load, std::function<Variant()> value)
{
    if (!pDX->m_bSaveAndValidate) {
        Variant current;
        if (load && GetObjectProperty(property, &current)) {
            load(current);
            if (value)
                shown_[property] = value();
        }
    } else if (collecting_) {
        queued_.push_back(Queued{property, std::move(value)});
    }
}

bool COlePropertyPage::Apply()
{
    if (!m_hWnd)
        return true;
    queued_.clear();
    collecting_ = true;
    const BOOL passed = UpdateData(TRUE);
    collecting_ = false;
    std::vector<Queued> queued = std::move(queued_);
    queued_.clear();
    if (!passed || !PutQueued(queued))
        return false;
    SetModifiedFlag(false);
    return true;
}

// Property by property in exchange order, each on every control that has it.
bool COlePropertyPage::PutQueued(const std::vector<Queued>& queued)
{
    for (const Queued& q : queued) {
        const Variant value = q.value();
        if (const auto shown = shown_.find(q.property); shown != shown_.end() && shown->second == value)
            continue;
        for (COleControl* object : objects_) {
            const DispEntry* entry = object ? object->Dispatch().Find(q.property) : nullptr;
            if (!entry)
                continue;
            if (const HRESULT hr = object->PutProperty(entry->id, {}, value); FAILED(hr)) {
                const std::string text = "Could not set " + q.property + ": " + DispatchErrorText(hr) + ".";
                MessageBoxA(m_hWnd, text.c_str(), FrameCaption().c_str(), MB_OK | MB_ICONEXCLAMATION);
                return false;
            }
        }
        shown_[q.property] = value;
    }
    return true;
}

namespace {

COlePropertyPage* PageOf(CDataExchange* pDX)
{
    return dynamic_cast<COlePropertyPage*>(pDX->m_pDlgWnd);
}

}  // namespace

void DDP_Text(CDataExchange* pDX, int, std::int32_t& member, const char* property)
{
    if (COlePropertyPage* page = PageOf(pDX))
        page->ExchangeProperty(
            pDX, property,
            [&member](const Variant& v) {
                bool ok = false;
                const std::int32_t value = v.AsLong(&ok);
                if (ok)
                    member = value;
            },
            [&member] { return Variant::Long(member); });
}

void DDP_Text(CDataExchange* pDX, int, std::string& member, const char* property)
{
    if (COlePropertyPage* page = PageOf(pDX))
        page->ExchangeProperty(
            pDX, property, [&member](const Variant& v) { member = v.AsString(); },
            [&member] { return Variant::String(member); });
}

void DDP_Text(CDataExchange* pDX, int, std::int64_t& member, const char* property)
{
    if (COlePropertyPage* page = PageOf(pDX))
        page->ExchangeProperty(
            pDX, property,
            [&member](const Variant& v) {
                bool ok = false;
                const std::int64_t value = v.AsInt64(&ok);
                if (ok)
                    member = value;
            },
            [&member] { return Variant::Int64(member); });
}

void DDP_CBIndex(CDataExchange* pDX, int, int& member, const char* property)
{
    DDP_Text(pDX, 0, member, property);
}

void DDP_Check(CDataExchange* pDX, int, BOOL& member, const char* property)
{
    if (COlePropertyPage* page = PageOf(pDX))
        page->ExchangeProperty(
            pDX, property,
            [&member](const Variant& v) {
                bool ok = false;
                const bool value = v.AsBool(&ok);
                if (ok)
                    member = value ? TRUE : FALSE;
            },
            [&member] { return Variant::Bool(member != FALSE); });
}
