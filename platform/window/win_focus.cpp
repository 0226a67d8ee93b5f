// The keyboard focus: Qt keeps it, windows hear of it as WM_KILLFOCUS and
// WM_SETFOCUS.
#include "platform/window/qt_application_qt.h"
#include "platform/window/win_input_qt.h"
#include "platform/window/win_table_qt.h"
#include "platform/window/win_widget_qt.h"

#include <QApplication>

#include <utility>

namespace nimbo::win {
namespace {

// The window that heard WM_SETFOCUS last. Kept rather than worked out
// from the widget losing the focus: that one may be half destroyed.
HWND focused = 0;

void FocusMoved(QWidget* now)
{
    const HWND to = HandleOf(now);
    const HWND from = focused;
    focused = to;
    if (from == to)
        return;
    DispatchGuard guard;
    if (from && IsWindow(from))
        SendMessageA(from, WM_KILLFOCUS, to, 0);
    // The window losing it may have sent the focus elsewhere meanwhile.
    if (to && IsWindow(to) && focused == to)
        SendMessageA(to, WM_SETFOCUS, from, 0);
}

}  // namespace

HWND HandleOf(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget())
        if (auto* window = dynamic_cast<const WindowWidget*>(widget))
            return IsWindow(window->Handle()) ? window->Handle() : 0;
    return 0;
}

// A window made of Qt widgets of its own (a check box, say) without a
// native control: the first of them that takes the focus.
QWidget* FocusTargetOf(HWND window)
{
    WindowRecord* record = Find(window);
    if (!record || !record->widget)
        return nullptr;
    if (record->native)
        return record->native;
    for (QWidget* child : record->widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!dynamic_cast<WindowWidget*>(child) && child->focusPolicy() != Qt::NoFocus)
            return child;
    return record->widget;
}

// With a display the window manager activates the window, later; without
// one Qt would activate it only at its next turn of the event loop.
void GiveFocus(QWidget* widget, Qt::FocusReason reason)
{
    QWidget* top = widget->window();
    if (top->isVisible() && !top->isActiveWindow()) {
        if (nimbo::IsHeadless())
            QApplication::setActiveWindow(top);
        else
            top->activateWindow();
    }
    widget->setFocus(reason);
}

void WatchFocus()
{
    static bool watching = false;
    if (std::exchange(watching, true))
        return;
    QObject::connect(nimbo::qt::EnsureApplication(), &QApplication::focusChanged,
                     [](QWidget*, QWidget* now) { FocusMoved(now); });
}

}  // namespace nimbo::win

using namespace nimbo::win;

HWND GetFocus()
{
    nimbo::qt::EnsureApplication();
    return HandleOf(QApplication::focusWidget());
}

HWND SetFocus(HWND window)
{
    const HWND before = GetFocus();
    if (!window) {
        if (QWidget* widget = QApplication::focusWidget())
            widget->clearFocus();
        return before;
    }
    QWidget* target = FocusTargetOf(window);
    if (!target)
        return 0;
    WatchFocus();
    GiveFocus(target, Qt::OtherFocusReason);
    return before;
}
