// The colour list: Qt's list with a swatch before each name.
#include "platform/dialogs/dlg_widgets_qt.h"
#include "platform/window/gdi_qt.h"
#include "platform/window/win_table_qt.h"

#include <QListWidget>
#include <QPainter>
#include <QPixmap>

namespace nimbo::dlg {
namespace {

QIcon Swatch(COLORREF color)
{
    QPixmap pixmap(20, 12);
    pixmap.fill(Qt::black);
    QPainter painter(&pixmap);
    painter.fillRect(1, 1, 18, 10, ToQColor(color));
    return QIcon(pixmap);
}

}  // namespace

bool ColorListWnd::Create(HWND parent, const RECT& rect, UINT id, CFont* font)
{
    if (!CreateWindowed(parent, rect))
        return false;
    QWidget* host = win::WidgetOf(m_hWnd);
    list_ = new QListWidget(host);
    list_->setGeometry(0, 0, host->width(), host->height());
    list_->setIconSize(QSize(20, 12));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    if (font)
        list_->setFont(FontOf(font));
    const HWND window = m_hWnd;
    QObject::connect(list_, &QListWidget::currentRowChanged, list_, [window, id] {
        if (IsWindow(window))
            NotifyParent(window, id, LBN_SELCHANGE);
    });
    list_->show();
    return true;
}

void ColorListWnd::SetEntries(const std::vector<Entry>& entries)
{
    if (!list_)
        return;
    const QSignalBlocker quiet(list_);
    list_->clear();
    for (const Entry& e : entries)
        list_->addItem(new QListWidgetItem(Swatch(e.swatch), QString::fromStdString(e.name)));
}

int ColorListWnd::Selected() const
{
    return list_ ? list_->currentRow() : -1;
}

void ColorListWnd::Select(int row, bool notify)
{
    if (!list_)
        return;
    const bool wasBlocked = list_->blockSignals(!notify);
    list_->setCurrentRow(row);
    list_->blockSignals(wasBlocked);
    if (QListWidgetItem* item = list_->item(row))
        list_->scrollToItem(item);
}

LRESULT ColorListWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SIZE && list_)
        list_->resize(LOWORD(lParam), HIWORD(lParam));
    return DefWindowProc(message, wParam, lParam);
}

}  // namespace nimbo::dlg
