// A form's top-level window on the screen: made hidden, placed before it is
// first seen, raised on request, and the loop that waits for it to close.
#include "platform/form/form_impl.h"

#include "platform/window/gdi_qt.h"
#include "platform/window/qt_application_qt.h"
#include "platform/window/win_table_qt.h"
#include "platform/window/win_widget_qt.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

namespace nimbo::form {

bool CreateTopLevel(CWnd* window, int width, int height, const std::string& caption, HICON icon)
{
    bool created = false;
    {
        win::HiddenTopLevels hidden;
        created = window->CreateWindowed(0, RECT{0, 0, width, height}, caption);
    }
    QWidget* widget = created ? win::WidgetOf(window->m_hWnd) : nullptr;
    if (!widget)
        return false;
    if (icon)
        widget->setWindowIcon(QIcon(QPixmap::fromImage(icon->image)));
    return true;
}

void ShowTopLevel(HWND window, bool firstTime, bool center)
{
    QWidget* widget = win::WidgetOf(window);
    if (!widget)
        return;
    if (firstTime) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (center && screen) {
            // The frame is centred, as Windows centres the whole window;
            // its size is known once the native window exists.
            widget->winId();
            const QSize frame = widget->frameGeometry().size();
            const QRect area = screen->availableGeometry();
            widget->move(area.x() + (area.width() - frame.width()) / 2,
                         area.y() + (area.height() - frame.height()) / 2);
        } else {
            // Created at (0, 0); forgetting that lets the window manager
            // place the window as it places any other.
            widget->setAttribute(Qt::WA_Moved, false);
        }
    }
    widget->show();
}

void RaiseTopLevel(HWND window)
{
    QWidget* widget = win::WidgetOf(window);
    if (!widget)
        return;
    if (widget->isMinimized())
        widget->showNormal();
    widget->raise();
    widget->activateWindow();
}

void ResizeTopLevel(HWND window, int width, int height)
{
    if (QWidget* widget = win::WidgetOf(window))
        widget->resize(width, height);
}

void Restack(HWND window, bool front)
{
    QWidget* widget = win::WidgetOf(window);
    if (widget && front)
        widget->raise();
    else if (widget)
        widget->lower();
}

void RunLoop(const std::function<void(std::function<void()> end)>& started)
{
    qt::EnsureApplication();
    QEventLoop loop;
    started([&loop] { loop.exit(0); });
    loop.exec();
}

}  // namespace nimbo::form
