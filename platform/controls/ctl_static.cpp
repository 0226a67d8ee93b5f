// Static text: a form's label.
#include "platform/controls/ctl_host_qt.h"

#include <QLabel>

using namespace nimbo::ctl;

bool CStatic::Create(HWND parent, const RECT& rect, UINT id, const std::string& text)
{
    if (!CreateControl(parent, rect, id, text, kStatic))
        return false;
    QWidget* host = nimbo::win::WidgetOf(m_hWnd);
    // Labels sit on the form's face colour and must not cover it with
    // their own: the host window lets its parent show through.
    host->setAttribute(Qt::WA_OpaquePaintEvent, false);
    host->setAttribute(Qt::WA_NoSystemBackground, false);
    auto* label = new Hosted<QLabel>(host);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    label->setContentsMargins(0, 0, 0, 0);
    label->setMargin(0);
    label->setIndent(0);
    label->setAutoFillBackground(false);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    Adopt(m_hWnd, label);
    SetWindowTextA(m_hWnd, text.c_str());
    return true;
}
