// Edits: a single line (QLineEdit), or several (QPlainTextEdit).
//
// A multi-line edit's window text is what was set last, exactly, until the
// user changes it; from then on it is the contents with "\r\n" line ends,
// as Win32 gives them.
#include "platform/controls/ctl_host_qt.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextOption>

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

bool CEdit::CreateMultiLine(HWND parent, const RECT& rect, UINT id, const std::string& text, bool readOnly)
{
    if (!CreateControl(parent, rect, id, text, kEdit))
        return false;
    auto* edit = new Hosted<QPlainTextEdit>(nimbo::win::WidgetOf(m_hWnd));
    edit->setPlainText(FromWindowsLines(text));
    edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab moves to the next field, as in a dialog's multi-line edit.
    edit->setTabChangesFocus(true);
    edit->setReadOnly(readOnly);
    Adopt(m_hWnd, edit);
    // Setting the text blocks this signal (see CControlWnd::WindowProc):
    // what comes here is the user's doing.
    const HWND self = m_hWnd;
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [self, edit] {
        StoreText(self, ToWindowsLines(edit->toPlainText()));
        if (auto* control = ControlOf<CEdit>(self))
            control->Notify(EN_CHANGE);
    });
    return true;
}

void CEdit::SetCentered(bool centered)
{
    const Qt::Alignment horizontal = centered ? Qt::AlignHCenter : Qt::AlignLeft;
    if (auto* edit = Native<QLineEdit>(m_hWnd))
        edit->setAlignment(horizontal | Qt::AlignVCenter);
    else if (auto* lines = Native<QPlainTextEdit>(m_hWnd)) {
        QTextOption option = lines->document()->defaultTextOption();
        option.setAlignment(horizontal);
        lines->document()->setDefaultTextOption(option);
    }
}

std::string CEdit::GetText() const
{
    if (auto* edit = Native<QLineEdit>(m_hWnd))
        return edit->text().toStdString();
    nimbo::win::WindowRecord* record = Native<QPlainTextEdit>(m_hWnd) ? nimbo::win::Find(m_hWnd) : nullptr;
    return record ? record->text : std::string();
}

void CEdit::SetText(const std::string& text)
{
    SetWindowTextA(m_hWnd, text.c_str());
}

// Zero lifts the limit to what an edit can hold at all. Multi-line edits
// have no limit.
void CEdit::SetLimitText(int maxChars)
{
    if (auto* edit = Native<QLineEdit>(m_hWnd))
        edit->setMaxLength(maxChars > 0 ? maxChars : 32767);
}

void CEdit::SetReadOnly(bool readOnly)
{
    if (auto* edit = Native<QLineEdit>(m_hWnd))
        edit->setReadOnly(readOnly);
    else if (auto* lines = Native<QPlainTextEdit>(m_hWnd))
        lines->setReadOnly(readOnly);
}
