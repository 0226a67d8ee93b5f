// A dialog's fields: made from the template's items, found by number, and
// read and written as text, numbers and checks.
#include "platform/dialog.h"
#include "platform/dialogs/dlg_widgets_qt.h"
#include "platform/window/gdi_qt.h"
#include "platform/window/win_table_qt.h"

#include <QLineEdit>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <sstream>

using nimbo::dlg::CheckBoxWnd;

namespace {

// Win32's rules: blanks around, a sign when signed, digits, and a value
// that fits.
bool ParseInt(const std::string& text, bool isSigned, long long* value)
{
    std::size_t begin = text.find_first_not_of(" \t");
    std::size_t end = text.find_last_not_of(" \t");
    if (begin == std::string::npos)
        return false;
    std::string core = text.substr(begin, end - begin + 1);
    bool negative = false;
    if (!core.empty() && (core[0] == '-' || core[0] == '+')) {
        negative = core[0] == '-';
        core.erase(0, 1);
    }
    if (core.empty() || core.size() > 10 || (negative && !isSigned) ||
        !std::all_of(core.begin(), core.end(), [](unsigned char c) { return std::isdigit(c); }))
        return false;
    long long v = std::stoll(core);
    if (negative)
        v = -v;
    if (isSigned ? (v < INT_MIN || v > INT_MAX) : (v > static_cast<long long>(UINT_MAX)))
        return false;
    *value = v;
    return true;
}

}  // namespace

// A combo box's height in a template counts its drop-down list, as in
// Windows; closed it is as tall as an edit.
CWnd* CDialog::AddItem(const DialogItem& item)
{
    const DialogTemplate* t = Template();
    if (!t || !m_hWnd)
        return nullptr;
    const RECT at = nimbo::DialogUnitsToPixels(*t, RECT{item.x, item.y, item.cx, item.cy});
    RECT rect{at.left, at.top, at.left + at.right, at.top + at.bottom};
    const UINT id = item.id;
    std::unique_ptr<CWnd> made;
    bool ok = false;
    switch (item.kind) {
    case DialogItem::Static: {
        auto c = std::make_unique<CStatic>();
        ok = c->Create(m_hWnd, rect, id, item.text);
        made = std::move(c);
        break;
    }
    case DialogItem::Edit: {
        auto c = std::make_unique<CEdit>();
        ok = item.multiLine ? c->CreateMultiLine(m_hWnd, rect, id, item.text, item.readOnly)
                            : c->Create(m_hWnd, rect, id, item.text, item.password);
        if (ok && item.readOnly)
            c->SetReadOnly(true);
        if (ok && item.limit > 0)
            c->SetLimitText(item.limit);
        made = std::move(c);
        break;
    }
    case DialogItem::Button:
    case DialogItem::DefPushButton: {
        auto c = std::make_unique<CButton>();
        ok = c->Create(m_hWnd, rect, id, item.text, item.kind == DialogItem::DefPushButton);
        made = std::move(c);
        break;
    }
    case DialogItem::ComboBox: {
        const RECT closed = nimbo::DialogUnitsToPixels(*t, RECT{0, 0, 0, 12});
        rect.bottom = rect.top + std::min<LONG>(rect.bottom - rect.top, closed.bottom);
        auto c = std::make_unique<CComboBox>();
        ok = item.editable ? c->CreateDropDown(m_hWnd, rect, id) : c->Create(m_hWnd, rect, id);
        std::istringstream choices(item.text);
        for (std::string choice; ok && std::getline(choices, choice, '\n');)
            c->AddString(choice);
        made = std::move(c);
        break;
    }
    case DialogItem::ListView: {
        auto c = std::make_unique<CListCtrl>();
        ok = c->Create(m_hWnd, rect, id);
        made = std::move(c);
        break;
    }
    case DialogItem::GroupBox: {
        auto c = std::make_unique<nimbo::dlg::GroupBoxWnd>();
        ok = c->Create(m_hWnd, rect, item.text, &font_);
        made = std::move(c);
        break;
    }
    case DialogItem::Icon: {
        HICON icon = item.icon ? item.icon : LoadIconA(module_, item.iconId);
        // An icon item takes its icon's size, as SS_ICON does.
        const QSize size = icon ? icon->image.size() : QSize(32, 32);
        rect.right = rect.left + size.width();
        rect.bottom = rect.top + size.height();
        auto c = std::make_unique<nimbo::dlg::IconWnd>();
        ok = c->Create(m_hWnd, rect, icon);
        made = std::move(c);
        break;
    }
    case DialogItem::CheckBox: {
        auto c = std::make_unique<CheckBoxWnd>();
        ok = c->Create(m_hWnd, rect, id, item.text, &font_);
        made = std::move(c);
        break;
    }
    }
    if (!ok)
        return nullptr;
    if (auto* control = dynamic_cast<CControlWnd*>(made.get()))
        control->SetFont(&font_);
    CWnd* added = made.get();
    AdoptItem(static_cast<int>(id), std::move(made));
    return added;
}

void CDialog::AdoptItem(int id, std::unique_ptr<CWnd> item)
{
    if (!item)
        return;
    byId_.emplace_back(id, item->m_hWnd);
    items_.push_back(std::move(item));
}

HWND CDialog::GetDlgItem(int id) const
{
    for (const auto& [itemId, window] : byId_)
        if (itemId == id && IsWindow(window))
            return window;
    return 0;
}

std::string CDialog::GetDlgItemText(int id) const
{
    const HWND item = GetDlgItem(id);
    if (auto* edit = dynamic_cast<CEdit*>(FromHandle(item)))
        return edit->GetText();
    std::string text(static_cast<std::size_t>(SendMessageA(item, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(item, text.data(), static_cast<int>(text.size()))));
    return text;
}

void CDialog::SetDlgItemText(int id, const std::string& text)
{
    const HWND item = GetDlgItem(id);
    if (auto* edit = dynamic_cast<CEdit*>(FromHandle(item)))
        edit->SetText(text);
    else if (item)
        SetWindowTextA(item, text.c_str());
}

UINT CDialog::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const
{
    long long value = 0;
    const bool ok = GetDlgItem(id) && ParseInt(GetDlgItemText(id), isSigned != FALSE, &value);
    if (translated)
        *translated = ok ? TRUE : FALSE;
    return ok ? static_cast<UINT>(value) : 0;
}

void CDialog::SetDlgItemInt(int id, UINT value, BOOL isSigned)
{
    SetDlgItemText(id, isSigned ? std::to_string(static_cast<std::int32_t>(value)) : std::to_string(value));
}

void CDialog::CheckDlgButton(int id, UINT check)
{
    if (auto* box = Item<CheckBoxWnd>(id))
        box->SetChecked(check != 0);
}

UINT CDialog::IsDlgButtonChecked(int id) const
{
    const auto* box = Item<CheckBoxWnd>(id);
    return box && box->Checked() ? 1 : 0;
}

bool CDialog::ClickDlgButton(int id)
{
    if (auto* button = Item<CButton>(id)) {
        button->Click();
        return true;
    }
    if (auto* box = Item<CheckBoxWnd>(id)) {
        box->Click();
        return true;
    }
    return false;
}

// The native widget inside the item takes the focus; an edit's text is
// selected, ready to be typed over.
void CDialog::FocusItem(int id)
{
    QWidget* widget = nimbo::win::WidgetOf(GetDlgItem(id));
    if (!widget)
        return;
    QWidget* target = widget;
    for (QWidget* inner : widget->findChildren<QWidget*>())
        if (inner->focusPolicy() != Qt::NoFocus) {
            target = inner;
            break;
        }
    target->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(target))
        edit->selectAll();
}
