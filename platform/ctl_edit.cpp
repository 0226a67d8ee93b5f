// Single-line edit.
#include "platform/ctl_host_qt.h"

#include <QLineEdit>

using namespace nimbo::ctl;

bool CEdit::Create(HWND parent, const RECT& rect, UINT id, const std::string& text, bool password)
{
    if (!CreateControl(parent, rect, id, text, kEdit))
        return false;
    auto* edit = new Hosted<QLineEdit>(nimbo::win::WidgetOf(m_hWnd));
    edit->setText(ToQString(text));
    edit->setEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
    edit->setMaxLength(32767);
    edit->setCursorPosition(0);
    Adopt(m_hWnd, edit);
    // Connected after the first text: creating an edit is not a change.
    const HWND self = m_hWnd;
    QObject::connect(edit, &QLineEdit::textChanged, edit, [self](const QString& now) {
        StoreText(self, now);
        if (auto* control = ControlOf<CEdit>(self))
            control->Notify(EN_CHANGE);
    });
    return true;
}

std::string CEdit::GetText() const
{
    auto* edit = Native<QLineEdit>(m_hWnd);
    return edit ? edit->text().toStdString() : std::string();
}

void CEdit::SetText(const std::string& text)
{
    SetWindowTextA(m_hWnd, text.c_str());
}

// Zero lifts the limit to what an edit can hold at all.
void CEdit::SetLimitText(int maxChars)
{
    if (auto* edit = Native<QLineEdit>(m_hWnd))
        edit->setMaxLength(maxChars > 0 ? maxChars : 32767);
}

void CEdit::SetReadOnly(bool readOnly)
{
    if (auto* edit = Native<QLineEdit>(m_hWnd))
        edit->setReadOnly(readOnly);
}
