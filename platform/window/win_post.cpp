// Posted messages go through Qt's event queue, to be sent once the loop
// comes round to them, if their window is still there then.
#include "platform/window/win_table_qt.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

using namespace nimbo::win;

namespace {

const QEvent::Type postedType = static_cast<QEvent::Type>(QEvent::registerEventType());

struct PostedMessage final : QEvent {
    PostedMessage(HWND w, UINT m, WPARAM wp, LPARAM lp)
        : QEvent(postedType), window(w), message(m), wParam(wp), lParam(lp)
    {
    }
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class Dispatcher final : public QObject {
protected:
    void customEvent(QEvent* event) override
    {
        if (event->type() != postedType)
            return;
        auto* posted = static_cast<PostedMessage*>(event);
        if (Exists(posted->window))
            SendMessageA(posted->window, posted->message, posted->wParam, posted->lParam);
    }
};

// Messages may be posted from any thread; they are delivered on the thread
// that runs the windows, where the application lives.
Dispatcher* TheDispatcher()
{
    static Dispatcher* dispatcher = [] {
        auto* d = new Dispatcher;
        if (QCoreApplication* app = QCoreApplication::instance())
            d->moveToThread(app->thread());
        return d;
    }();
    return dispatcher;
}

}  // namespace

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // A window exists only once the application does.
    if (!IsWindow(window))
        return FALSE;
    QCoreApplication::postEvent(TheDispatcher(), new PostedMessage(window, message, wParam, lParam));
    return TRUE;
}
