// Drop-down list: the user picks, nobody types.
#include "platform/ctl_host_qt.h"

#include <QComboBox>

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

int CComboBox::AddString(const std::string& text)
{
    auto* combo = Native<QComboBox>(m_hWnd);
    if (!combo)
        return CB_ERR;
    const int before = combo->currentIndex();
    combo->addItem(ToQString(text));
    // Qt chooses the first item added; a Windows list starts with no choice.
    if (before < 0)
        combo->setCurrentIndex(-1);
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

int CComboBox::GetCurSel() const
{
    auto* combo = Native<QComboBox>(m_hWnd);
    return combo ? combo->currentIndex() : CB_ERR;
}

// Out of range clears the choice and answers CB_ERR, as Windows does.
int CComboBox::SetCurSel(int index, bool notify)
{
    auto* combo = Native<QComboBox>(m_hWnd);
    if (!combo)
        return CB_ERR;
    const bool valid = index >= 0 && index < combo->count();
    combo->setCurrentIndex(valid ? index : -1);
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
