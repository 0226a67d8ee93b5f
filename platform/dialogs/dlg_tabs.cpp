// The property sheet's tabs: Qt's tab widget over the pages' windows. The
// pages stay windows of the sheet; only their Qt widgets move into the stack.
#include "platform/dialogs/dlg_widgets_qt.h"
#include "platform/window/win_table_qt.h"

#include <QTabWidget>

namespace nimbo::dlg {

TabStack::TabStack(HWND parent, CFont* font)
{
    tabs_ = new QTabWidget(win::WidgetOf(parent));
    if (font)
        tabs_->setFont(FontOf(font));
}

// The tab widget is the parent window's child and goes with it.
TabStack::~TabStack() = default;

void TabStack::Add(HWND page, const std::string& title, int width, int height)
{
    QWidget* widget = win::WidgetOf(page);
    if (!tabs_ || !widget)
        return;
    widget->setMinimumSize(width, height);
    tabs_->addTab(widget, QString::fromStdString(title));
}

int TabStack::Current() const
{
    return tabs_ ? tabs_->currentIndex() : -1;
}

void TabStack::SetCurrent(int index)
{
    if (tabs_)
        tabs_->setCurrentIndex(index);
}

std::vector<std::string> TabStack::Titles() const
{
    std::vector<std::string> titles;
    for (int i = 0; tabs_ && i < tabs_->count(); ++i)
        titles.push_back(tabs_->tabText(i).toStdString());
    return titles;
}

SIZE TabStack::Place(int x, int y)
{
    if (!tabs_)
        return SIZE{0, 0};
    const QSize size = tabs_->sizeHint().expandedTo(tabs_->minimumSizeHint());
    tabs_->setGeometry(x, y, size.width(), size.height());
    tabs_->show();
    return SIZE{size.width(), size.height()};
}

}  // namespace nimbo::dlg
