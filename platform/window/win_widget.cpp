#include "platform/window/win_widget_qt.h"

#include "platform/window/win_input_qt.h"
#include "platform/window/win_paint_qt.h"
#include "platform/window/win_table_qt.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTimerEvent>

namespace nimbo::win {
namespace {

int hiddenTopLevels = 0;

}  // namespace

HiddenTopLevels::HiddenTopLevels() { ++hiddenTopLevels; }
HiddenTopLevels::~HiddenTopLevels() { --hiddenTopLevels; }
bool CreatingHiddenTopLevels() { return hiddenTopLevels > 0; }

WindowWidget::WindowWidget(HWND handle, QWidget* parent)
    : QWidget(parent), handle_(handle)
{
    // Like a Win32 window the widget paints all of itself (WM_ERASEBKGND
    // or WM_PAINT do), and what it does not repaint keeps its old pixels.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    setMouseTracking(true);
    setProperty("hwnd", static_cast<qulonglong>(handle));
}

// A window given the focus hears its keys as messages when it asks for
// them, as controls do.
bool WindowWidget::event(QEvent* event)
{
    DispatchGuard guard;
    if (handle_ && TakeKey(this, event))
        return true;
    return QWidget::event(event);
}

void WindowWidget::paintEvent(QPaintEvent* event)
{
    if (handle_)
        PaintWindow(handle_, this, event->region());
}

void WindowWidget::Forward(UINT message, QMouseEvent* event)
{
    if (!handle_ || !message)
        return;
    const QPoint at = event->position().toPoint();
    SendMessageA(handle_, message, MouseKeyState(event), MAKELPARAM(at.x(), at.y()));
}

void WindowWidget::mousePressEvent(QMouseEvent* event)
{
    switch (event->button()) {
    case Qt::LeftButton:
        return Forward(WM_LBUTTONDOWN, event);
    case Qt::RightButton:
        return Forward(WM_RBUTTONDOWN, event);
    case Qt::MiddleButton:
        return Forward(WM_MBUTTONDOWN, event);
    default:
        return;
    }
}

void WindowWidget::mouseReleaseEvent(QMouseEvent* event)
{
    switch (event->button()) {
    case Qt::LeftButton:
        return Forward(WM_LBUTTONUP, event);
    case Qt::RightButton:
        return Forward(WM_RBUTTONUP, event);
    case Qt::MiddleButton:
        return Forward(WM_MBUTTONUP, event);
    default:
        return;
    }
}

// Qt reports a double click as press, release, double click, release: the
// same order as Win32's DOWN, UP, DBLCLK, UP.
void WindowWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    switch (event->button()) {
    case Qt::LeftButton:
        return Forward(WM_LBUTTONDBLCLK, event);
    case Qt::RightButton:
        return Forward(WM_RBUTTONDBLCLK, event);
    case Qt::MiddleButton:
        return Forward(WM_MBUTTONDOWN, event);
    default:
        return;
    }
}

void WindowWidget::mouseMoveEvent(QMouseEvent* event)
{
    Forward(WM_MOUSEMOVE, event);
}

void WindowWidget::resizeEvent(QResizeEvent*)
{
    if (handle_)
        SendMessageA(handle_, WM_SIZE, SIZE_RESTORED, MAKELPARAM(width(), height()));
}

void WindowWidget::moveEvent(QMoveEvent*)
{
    if (handle_)
        SendMessageA(handle_, WM_MOVE, 0, MAKELPARAM(x(), y()));
}

void WindowWidget::showEvent(QShowEvent*)
{
    if (handle_)
        ForgetPendingUpdate(handle_);
}

void WindowWidget::timerEvent(QTimerEvent* event)
{
    WindowRecord* record = handle_ ? Find(handle_) : nullptr;
    if (!record)
        return;
    for (const auto& [id, qtId] : record->timers) {
        if (qtId == event->timerId()) {
            SendMessageA(handle_, WM_TIMER, id, 0);
            return;
        }
    }
}

// Closing a top-level window asks it first, as WM_CLOSE does; DefWindowProc
// destroys it, a handler may refuse.
void WindowWidget::closeEvent(QCloseEvent* event)
{
    if (!handle_) {
        event->accept();
        return;
    }
    event->ignore();
    SendMessageA(handle_, WM_CLOSE, 0, 0);
}

}  // namespace nimbo::win
