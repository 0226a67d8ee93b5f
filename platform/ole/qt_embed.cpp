// A control inside an application's own widgets. The control's window is a
// child of a plain platform window, the frame, as in any container; the
// frame's widget is moved into a QWidget of ours that answers the control's
// extent to layouts. Everything under the frame is the platform's as usual,
// so the control's messages, timers, painting and input are untouched.
#include "platform/qt_embed.h"

#include "platform/window/qt_application_qt.h"
#include "platform/window/win_table_qt.h"
#include "platform/window/win_widget_qt.h"

#include <QEvent>
#include <QLayout>
#include <QObject>
#include <QWidget>

#include <memory>

namespace nimbo {
namespace {

class EmbeddedControl final : public QWidget {
public:
    explicit EmbeddedControl(QWidget* parent) : QWidget(parent)
    {
        // The control decides its size; a layout with room to spare leaves
        // it at its extent rather than stretching the frame around it.
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }
    ~EmbeddedControl() override;

    bool Take(COleControl* control);

    QSize sizeHint() const override
    {
        int cx = 0, cy = 0;
        if (control_)
            control_->GetControlSize(&cx, &cy);
        return {cx, cy};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void resizeEvent(QResizeEvent*) override
    {
        if (QWidget* frame = win::WidgetOf(frame_.m_hWnd))
            frame->setGeometry(rect());
    }

    // The control sized itself (SetControlSize, a loaded extent): the
    // layout hears of the new hint, a widget outside any layout follows.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize && control_ && watched == win::WidgetOf(control_->m_hWnd)) {
            updateGeometry();
            if (!parentWidget() || !parentWidget()->layout())
                resize(sizeHint());
        }
        return QWidget::eventFilter(watched, event);
    }

private:
    CWnd frame_;
    std::unique_ptr<COleControl> control_;
};

bool EmbeddedControl::Take(COleControl* control)
{
    int cx = 0, cy = 0;
    control->GetControlSize(&cx, &cy);
    {
        // Made as a hidden top-level window, it is never shown as one.
        win::HiddenTopLevels hidden;
        if (!frame_.CreateWindowed(0, RECT{0, 0, cx, cy}))
            return false;
    }
    QWidget* frame = win::WidgetOf(frame_.m_hWnd);
    frame->setParent(this);
    frame->setGeometry(0, 0, cx, cy);
    frame->show();
    if (!control->CreateControlWindow(frame_.m_hWnd, 0, 0)) {
        frame_.DestroyWindow();
        return false;
    }
    control_.reset(control);
    if (QWidget* window = win::WidgetOf(control->m_hWnd))
        window->installEventFilter(this);
    resize(sizeHint());
    return true;
}

EmbeddedControl::~EmbeddedControl()
{
    if (control_)
        if (QWidget* window = win::WidgetOf(control_->m_hWnd))
            window->removeEventFilter(this);
    // Deleted from a handler of the control's own window (a click that
    // closes the panel): that window's widget, and the control, must last
    // until the handler has returned. The platform hides and defers the
    // widgets; ours may not take them along, and the control goes later too.
    const bool underHandler = win::InsideWindowEvent();
    if (underHandler)
        if (QWidget* frame = win::WidgetOf(frame_.m_hWnd))
            frame->setParent(nullptr);
    frame_.DestroyWindow();
    if (underHandler && control_) {
        auto* later = new QObject;
        QObject::connect(later, &QObject::destroyed, [control = control_.release()] { delete control; });
        later->deleteLater();
    }
}

}  // namespace

QWidget* EmbedControl(COleControl* control, QWidget* parent)
{
    if (!control || control->m_hWnd)
        return nullptr;
    qt::EnsureApplication();
    auto* widget = new EmbeddedControl(parent);
    if (!widget->Take(control)) {
        delete widget;
        return nullptr;
    }
    if (parent)
        widget->show();
    return widget;
}

}  // namespace nimbo
