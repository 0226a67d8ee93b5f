// Report-style list view: rows of columns, a small icon before each row.
//
// Mouse presses on the rows reach the list's window as WM_LBUTTONDOWN and
// WM_RBUTTONDOWN (double clicks as WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK);
// choosing the row under the point is DefWindowProc's doing, not Qt's, so
// that a window that keeps a press to itself keeps the selection as it
// was. The header stays Qt's: its columns are resized there.
#include "platform/controls/ctl_host_qt.h"

#include "platform/window/gdi_qt.h"

#include <QHeaderView>
#include <QIcon>
#include <QPixmap>
#include <QTreeWidget>

#include <algorithm>

using namespace nimbo::ctl;

namespace {

constexpr int kImageRole = Qt::UserRole;  // a row's image index, -1: none

class ReportList final : public Hosted<QTreeWidget> {
public:
    using Hosted::Hosted;
    std::vector<QIcon> icons;
    std::vector<Qt::Alignment> alignments;  // per column as inserted
    int columns = 0;  // as inserted; Qt always shows at least one

    QTreeWidgetItem* Row(int row) const { return row >= 0 ? topLevelItem(row) : nullptr; }
    QIcon Icon(int image) const
    {
        return image >= 0 && image < static_cast<int>(icons.size()) ? icons[image] : QIcon();
    }
    void SetImage(QTreeWidgetItem* item, int image)
    {
        item->setData(0, kImageRole, image);
        item->setIcon(0, Icon(image));
    }
    void Align(QTreeWidgetItem* item) const
    {
        for (int c = 0; c < static_cast<int>(alignments.size()); ++c)
            item->setTextAlignment(c, alignments[c] | Qt::AlignVCenter);
    }

    // Where the rows are drawn, in the list's client coordinates (the
    // native widget fills the window).
    QPoint RowsOrigin() const { return viewport()->geometry().topLeft(); }
    RECT ToClient(const QRect& r) const
    {
        const QRect at = r.translated(RowsOrigin());
        return RECT{at.left(), at.top(), at.left() + at.width(), at.top() + at.height()};
    }
    QRect CellRect(QTreeWidgetItem* item, int column) const { return visualRect(indexFromItem(item, column)); }

    void Default(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
            Click(window, message, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return;
        default:
            Hosted::Default(window, message, wParam, lParam);
        }
    }

protected:
    bool event(QEvent* e) override
    {
        nimbo::win::DispatchGuard guard;
        return TakeButton(this, e) || Hosted::event(e);
    }
    bool viewportEvent(QEvent* e) override
    {
        nimbo::win::DispatchGuard guard;
        return TakeButton(viewport(), e) || Hosted::viewportEvent(e);
    }

private:
    // Presses go to the window; moves with a button held are dropped, or
    // Qt would choose rows by dragging over them.
    bool TakeButton(QWidget* from, QEvent* e)
    {
        const QEvent::Type type = e->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseMove)
            return false;
        auto* mouse = static_cast<QMouseEvent*>(e);
        const HWND window = nimbo::win::HandleOf(this);
        if (!window)
            return false;
        if (type == QEvent::MouseMove) {
            if (mouse->buttons() == Qt::NoButton)
                return false;
            e->accept();
            return true;
        }
        e->accept();
        if (const UINT message = nimbo::win::ButtonMessage(mouse)) {
            const QPoint at = from->mapTo(this, mouse->position().toPoint());
            SendMessageA(window, message, nimbo::win::MouseKeyState(mouse), MAKELPARAM(at.x(), at.y()));
        }
        return true;
    }

    // As a list view: the click takes the focus and chooses the row under
    // it; a double click on a row activates it.
    static void Click(HWND window, UINT message, POINT at)
    {
        SetFocus(window);
        auto* control = ControlOf<CListCtrl>(window);
        const int row = control ? control->HitTest(at) : -1;
        if (row < 0)
            return;
        control->SelectRow(row);
        if (message == WM_LBUTTONDBLCLK)
            control->Notify(LVN_ITEMACTIVATE);
    }
};

}  // namespace

bool CListCtrl::Create(HWND parent, const RECT& rect, UINT id)
{
    if (!CreateControl(parent, rect, id, std::string(), kListCtrl))
        return false;
    auto* list = new ReportList(nimbo::win::WidgetOf(m_hWnd));
    list->setRootIsDecorated(false);
    list->setIndentation(0);
    list->setUniformRowHeights(true);
    list->setItemsExpandable(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setAllColumnsShowFocus(true);
    list->setIconSize(QSize(16, 16));
    list->header()->setStretchLastSection(false);
    list->header()->setSectionsMovable(false);
    list->setHeaderLabels({QString()});
    Adopt(m_hWnd, list);
    const HWND self = m_hWnd;
    QObject::connect(list, &QTreeWidget::itemActivated, list, [self](QTreeWidgetItem*, int) {
        if (auto* control = ControlOf<CListCtrl>(self))
            control->Notify(LVN_ITEMACTIVATE);
    });
    return true;
}

// Columns after the new one move right, their texts with them.
int CListCtrl::InsertColumn(int column, const std::string& heading, int width, int format)
{
    auto* list = Native<ReportList>(m_hWnd);
    if (!list || column < 0)
        return -1;
    column = std::min(column, list->columns);
    QStringList headings;
    for (int c = 0; c < list->columns; ++c)
        headings << list->headerItem()->text(c);
    headings.insert(column, ToQString(heading));
    const Qt::Alignment alignment = format == LVCFMT_CENTER  ? Qt::AlignHCenter
                                    : format == LVCFMT_RIGHT ? Qt::AlignRight
                                                             : Qt::AlignLeft;
    list->alignments.insert(list->alignments.begin() + column, alignment);
    const int before = list->columns++;
    list->setColumnCount(list->columns);
    list->setHeaderLabels(headings);
    list->Align(list->headerItem());
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
        QTreeWidgetItem* item = list->topLevelItem(r);
        for (int c = before; c > column; --c)
            item->setText(c, item->text(c - 1));
        item->setText(column, QString());
        list->Align(item);
    }
    list->setColumnWidth(column, std::max(0, width));
    return column;
}

// The icons take the images' size; rows keep their image numbers.
void CListCtrl::SetImageList(const std::vector<nimbo::IconImage*>& smallIcons)
{
    auto* list = Native<ReportList>(m_hWnd);
    if (!list)
        return;
    list->icons.clear();
    for (nimbo::IconImage* icon : smallIcons) {
        list->icons.push_back(icon ? QIcon(QPixmap::fromImage(icon->image)) : QIcon());
        if (icon && list->icons.size() == 1)
            list->setIconSize(icon->image.size());
    }
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
        QTreeWidgetItem* item = list->topLevelItem(r);
        list->SetImage(item, item->data(0, kImageRole).toInt());
    }
}

void CListCtrl::SetImageList(CImageList* smallImages)
{
    SetImageList(smallImages ? smallImages->Images() : std::vector<nimbo::IconImage*>());
}

int CListCtrl::GetColumnWidth(int column) const
{
    auto* list = Native<ReportList>(m_hWnd);
    return list && column >= 0 && column < list->columns ? list->columnWidth(column) : 0;
}

// Rows are all of one height, so the row under a point is a division away.
int CListCtrl::HitTest(POINT point) const
{
    auto* list = Native<ReportList>(m_hWnd);
    if (!list || point.x < 0 || list->topLevelItemCount() == 0)
        return -1;
    const QPoint at = QPoint(point.x, point.y) - list->RowsOrigin();
    if (!list->viewport()->rect().contains(at))
        return -1;
    const QRect first = list->visualItemRect(list->topLevelItem(0));
    if (first.height() <= 0 || at.y() < first.top())
        return -1;
    const int row = (at.y() - first.top()) / first.height();
    return row < list->topLevelItemCount() ? row : -1;
}

BOOL CListCtrl::GetItemRect(int row, RECT* rect) const
{
    auto* list = Native<ReportList>(m_hWnd);
    QTreeWidgetItem* item = list ? list->Row(row) : nullptr;
    if (!item || !rect)
        return FALSE;
    *rect = list->ToClient(list->visualItemRect(item));
    return TRUE;
}

BOOL CListCtrl::GetSubItemRect(int row, int column, RECT* rect) const
{
    auto* list = Native<ReportList>(m_hWnd);
    QTreeWidgetItem* item = list ? list->Row(row) : nullptr;
    if (!item || !rect || column < 0 || column >= std::max(1, list->columns))
        return FALSE;
    *rect = list->ToClient(list->CellRect(item, column));
    return TRUE;
}

int CListCtrl::InsertItem(int row, const std::string& text, int image)
{
    auto* list = Native<ReportList>(m_hWnd);
    if (!list || row < 0)
        return -1;
    row = std::min(row, list->topLevelItemCount());
    auto* item = new QTreeWidgetItem;
    item->setText(0, ToQString(text));
    list->SetImage(item, image);
    list->Align(item);
    list->insertTopLevelItem(row, item);
    return row;
}

bool CListCtrl::SetItemText(int row, int column, const std::string& text)
{
    auto* list = Native<ReportList>(m_hWnd);
    QTreeWidgetItem* item = list ? list->Row(row) : nullptr;
    if (!item || column < 0 || column >= std::max(1, list->columns))
        return false;
    item->setText(column, ToQString(text));
    return true;
}

bool CListCtrl::SetItemImage(int row, int image)
{
    auto* list = Native<ReportList>(m_hWnd);
    QTreeWidgetItem* item = list ? list->Row(row) : nullptr;
    if (!item)
        return false;
    list->SetImage(item, image);
    return true;
}

int CListCtrl::GetItemImage(int row) const
{
    auto* list = Native<ReportList>(m_hWnd);
    const QTreeWidgetItem* item = list ? list->Row(row) : nullptr;
    const QVariant image = item ? item->data(0, kImageRole) : QVariant();
    return image.isValid() ? image.toInt() : -1;
}

std::string CListCtrl::GetItemText(int row, int column) const
{
    auto* list = Native<ReportList>(m_hWnd);
    QTreeWidgetItem* item = list ? list->Row(row) : nullptr;
    if (!item || column < 0 || column >= std::max(1, list->columns))
        return {};
    return item->text(column).toStdString();
}

int CListCtrl::GetItemCount() const
{
    auto* list = Native<ReportList>(m_hWnd);
    return list ? list->topLevelItemCount() : 0;
}

bool CListCtrl::DeleteItem(int row)
{
    auto* list = Native<ReportList>(m_hWnd);
    if (!list || !list->Row(row))
        return false;
    delete list->takeTopLevelItem(row);
    return true;
}

void CListCtrl::DeleteAllItems()
{
    if (auto* list = Native<ReportList>(m_hWnd))
        list->clear();
}

int CListCtrl::GetSelectedRow() const
{
    auto* list = Native<ReportList>(m_hWnd);
    if (!list)
        return -1;
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->indexOfTopLevelItem(selected.first());
}

// -1 (or a row that is not there) leaves nothing chosen.
void CListCtrl::SelectRow(int row)
{
    auto* list = Native<ReportList>(m_hWnd);
    if (!list)
        return;
    list->clearSelection();
    if (QTreeWidgetItem* item = list->Row(row)) {
        list->setCurrentItem(item);
        item->setSelected(true);
        list->scrollToItem(item);
    }
}
