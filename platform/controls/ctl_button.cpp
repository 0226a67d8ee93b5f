// Push button.
#include "platform/controls/ctl_host_qt.h"

#include <QPushButton>

using namespace nimbo::ctl;

bool CButton::Create(HWND parent, const RECT& rect, UINT id, const std::string& caption, bool defaultButton)
{
    if (!CreateControl(parent, rect, id, caption, kButton))
        return false;
    auto* button = new Hosted<QPushButton>(nimbo::win::WidgetOf(m_hWnd));
    button->setText(ToQString(caption));
    button->setDefault(defaultButton);
    button->setAutoDefault(false);
    Adopt(m_hWnd, button);
    const HWND self = m_hWnd;
    QObject::connect(button, &QAbstractButton::clicked, button, [self] {
        if (auto* control = ControlOf<CButton>(self))
            control->Notify(BN_CLICKED);
    });
    return true;
}

// As a press does: nothing happens to a disabled button. The parent's
// handler may destroy this button; nothing of it is used afterwards.
void CButton::Click()
{
    if (auto* button = Native<QPushButton>(m_hWnd))
        button->click();
}
