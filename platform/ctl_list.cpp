// Report-style list view: rows of columns, a small icon before each row.
#include "platform/ctl_host_qt.h"

#include "platform/gdi_qt.h"

#include <QHeaderView>
#include <QIcon>
#include <QPixmap>
#include <QTreeWidget>

#include <algorithm>

using namespace nimbo::ctl;

namespace {

class ReportList final : public Hosted<QTreeWidget> {
public:
    using Hosted::Hosted;
    std::vector<QIcon> icons;
    int columns = 0;  // as inserted; Qt always shows at least one

    QTreeWidgetItem* Row(int row) const { return row >= 0 ? topLevelItem(row) : nullptr; }
    QIcon Icon(int image) const
    {
        return image >= 0 && image < static_cast<int>(icons.size()) ? icons[image] : QIcon();
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
int CListCtrl::InsertColumn(int column, const std::string& heading, int width)
{
    auto* list = Native<ReportList>(m_hWnd);
    if (!list || column < 0)
        return -1;
    column = std::min(column, list->columns);
    QStringList headings;
    for (int c = 0; c < list->columns; ++c)
        headings << list->headerItem()->text(c);
    headings.insert(column, ToQString(heading));
    const int before = list->columns++;
    list->setColumnCount(list->columns);
    list->setHeaderLabels(headings);
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
        QTreeWidgetItem* item = list->topLevelItem(r);
        for (int c = before; c > column; --c)
            item->setText(c, item->text(c - 1));
        item->setText(column, QString());
    }
    list->setColumnWidth(column, std::max(0, width));
    return column;
}

void CListCtrl::SetImageList(const std::vector<nimbo::IconImage*>& smallIcons)
{
    auto* list = Native<ReportList>(m_hWnd);
    if (!list)
        return;
    list->icons.clear();
    for (nimbo::IconImage* icon : smallIcons)
        list->icons.push_back(icon ? QIcon(QPixmap::fromImage(icon->image)) : QIcon());
}

int CListCtrl::InsertItem(int row, const std::string& text, int image)
{
    auto* list = Native<ReportList>(m_hWnd);
    if (!list || row < 0)
        return -1;
    row = std::min(row, list->topLevelItemCount());
    auto* item = new QTreeWidgetItem;
    item->setText(0, ToQString(text));
    item->setIcon(0, list->Icon(image));
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
    item->setIcon(0, list->Icon(image));
    return true;
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
