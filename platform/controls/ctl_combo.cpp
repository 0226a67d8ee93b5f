// Combo boxes: the drop-down list, where the user picks and nobody types,
// and the drop-down, where the user may also type a value of their own.
#include "platform/controls/ctl_host_qt.h"

#include <QComboBox>
#include <QLineEdit>

using namespace nimbo::ctl;

namespace {
constexpr int CB_ERR = -1;
}

bool CComboBox::Create(HWND parent, const RECT& rect, UINT id)
{
    if (!CreateControl(parent, rect, id, std::string(), kComboBox))
        return false;
    auto* combo = new Hosted<QComboBox>(nimbo::win::WidgetOf(m_hWnd));
    combo->setEditable(false);
    combo->setMaxVisibleItems(30);
    Adopt(m_hWnd, combo);
    const HWND self = m_hWnd;
    // The window text is the choice, as a drop-down list's is.
    QObject::connect(combo, &QComboBox::currentTextChanged, combo,
                     [self](const QString& text) { StoreText(self, text); });
    // Only a person's choice is announced, not the program's.
    QObject::connect(combo, &QComboBox::activated, combo, [self](int) {
        if (auto* control = ControlOf<CComboBox>(self))
            control->Notify(CBN_SELCHANGE);
    });
    return true;
}

bool CComboBox::CreateDropDown(HWND parent, const RECT& rect, UINT id)
{
    if (!Create(parent, rect, id))
        return false;
    auto* combo = Native<QComboBox>(m_hWnd);
    combo->setEditable(true);
    // What is typed stays typed: Enter adds no choice, and no completion
    // fills in the rest of a choice behind the user's back.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    QLineEdit* edit = combo->lineEdit();
    const HWND self = m_hWnd;
    // The window text is what is typed or picked.
    QObject::connect(edit, &QLineEdit::textChanged, edit, [self](const QString& text) { StoreText(self, text); });
    // Qt may announce the edit before the change: the text is stored first,
    // so that the parent reads the new one.
    QObject::connect(edit, &QLineEdit::textEdited, edit, [self](const QString& text) {
        StoreText(self, text);
        if (auto* control = ControlOf<CComboBox>(self))
            control->Notify(CBN_EDITCHANGE);
    });
    return true;
}

void CComboBox::SetEditText(const std::string& text)
{
    auto* combo = Native<QComboBox>(m_hWnd);
    if (!combo || !combo->lineEdit())
        return;
    // Replacing the whole text as typing does, so that Qt reports an edit.
    combo->lineEdit()->selectAll();
    combo->lineEdit()->insert(ToQString(text));
}

// A drop-down shows the text it is given; a drop-down list keeps showing
// its choice.
LRESULT CComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CControlWnd::WindowProc(message, wParam, lParam);
    if (message == WM_SETTEXT) {
        auto* combo = Native<QComboBox>(m_hWnd);
        if (combo && combo->isEditable())
            combo->setEditText(QString::fromUtf8(lParam ? reinterpret_cast<const char*>(lParam) : ""));
    }
    return result;
}

int CComboBox::AddString(const std::string& text)
{
    auto* combo = Native<QComboBox>(m_hWnd);
    if (!combo)
        return CB_ERR;
    const int before = combo->currentIndex();
    const QString typed = combo->currentText();
    combo->addItem(ToQString(text));
    // Qt chooses the first item added; a Windows list starts with no
    // choice, and a drop-down keeps what was typed.
    if (before < 0) {
        combo->setCurrentIndex(-1);
        if (combo->isEditable())
            combo->setEditText(typed);
    }
    return combo->count() - 1;
}

void CComboBox::ResetContent()
{
    if (auto* combo = Native<QComboBox>(m_hWnd))
        combo->clear();
}

int CComboBox::GetCount() const
{
    auto* combo = Native<QComboBox>(m_hWnd);
    return combo ? combo->count() : CB_ERR;
}

// In a drop-down the typed text decides: the choice it spells, or none.
int CComboBox::GetCurSel() const
{
    auto* combo = Native<QComboBox>(m_hWnd);
    if (!combo)
        return CB_ERR;
    const int current = combo->currentIndex();
    if (!combo->isEditable())
        return current;
    const QString typed = combo->currentText();
    if (current >= 0 && combo->itemText(current) == typed)
        return current;
    return combo->findText(typed);
}

// Out of range clears the choice and answers CB_ERR, as Windows does; a
// drop-down's text becomes the choice's, or empty.
int CComboBox::SetCurSel(int index, bool notify)
{
    auto* combo = Native<QComboBox>(m_hWnd);
    if (!combo)
        return CB_ERR;
    const bool valid = index >= 0 && index < combo->count();
    combo->setCurrentIndex(valid ? index : -1);
    if (combo->isEditable())
        combo->setEditText(valid ? combo->itemText(index) : QString());
    if (notify)
        Notify(CBN_SELCHANGE);
    return valid ? index : CB_ERR;
}

std::string CComboBox::GetLBText(int index) const
{
    auto* combo = Native<QComboBox>(m_hWnd);
    if (!combo || index < 0 || index >= combo->count())
        return {};
    return combo->itemText(index).toStdString();
}
