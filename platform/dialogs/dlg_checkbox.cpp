// The check box: Qt's own, inside a window of the dialog.
#include "platform/dialogs/dlg_widgets_qt.h"
#include "platform/window/gdi_qt.h"
#include "platform/window/win_table_qt.h"

#include <QCheckBox>

namespace nimbo::dlg {

QFont FontOf(CFont* font)
{
    const auto* data = DCAccess::Data<FontData>(font);
    return data ? data->font : QFont();
}

bool CheckBoxWnd::Create(HWND parent, const RECT& rect, UINT id, const std::string& text, CFont* font)
{
    id_ = id;
    if (!CreateWindowed(parent, rect, text))
        return false;
    QWidget* host = win::WidgetOf(m_hWnd);
    box_ = new QCheckBox(QString::fromStdString(text), host);
    box_->setGeometry(0, 0, host->width(), host->height());
    if (font)
        box_->setFont(FontOf(font));
    // By handle: the box may outlive this object by a turn of the loop.
    const HWND window = m_hWnd;
    QObject::connect(box_, &QCheckBox::clicked, box_, [window, id] {
        if (IsWindow(window))
            NotifyParent(window, id, BN_CLICKED);
    });
    box_->show();
    return true;
}

bool CheckBoxWnd::Checked() const
{
    return box_ && box_->isChecked();
}

void CheckBoxWnd::SetChecked(bool checked)
{
    if (box_)
        box_->setChecked(checked);
}

void CheckBoxWnd::Click()
{
    if (box_ && box_->isEnabled())
        box_->click();
}

LRESULT CheckBoxWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETTEXT && box_ && lParam)
        box_->setText(QString::fromUtf8(reinterpret_cast<const char*>(lParam)));
    if (message == WM_SIZE && box_)
        box_->resize(LOWORD(lParam), HIWORD(lParam));
    return DefWindowProc(message, wParam, lParam);
}

}  // namespace nimbo::dlg
