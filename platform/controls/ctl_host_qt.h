// The Qt widget inside each standard control's window, for platform sources
// only. The control's window keeps its own widget (handle, messages, table);
// the native widget fills it and does the drawing and the input.
#pragma once

#include "platform/controls.h"
#include "platform/window/win_input_qt.h"
#include "platform/window/win_table_qt.h"

#include <QEvent>
#include <QString>
#include <QWidget>

#include <string>

namespace nimbo::ctl {

enum Kind : int { kStatic = 1, kEdit, kButton, kComboBox, kListCtrl };

// A native widget whose events count as window events: a notification may
// close the window it came from, and the widget must then outlive its own
// handler (DestroyWindow defers the deletion while one runs). Its keys go
// to the control's window first when the window asks for them; what the
// window leaves to DefWindowProc comes back here.
template <class W>
class Hosted : public W, public win::NativeControl {
public:
    explicit Hosted(QWidget* parent) : W(parent) {}

    void Default(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_KEYDOWN && message != WM_CHAR)
            return;
        if (std::unique_ptr<QKeyEvent> key = win::KeyForDefault(window, message, wParam)) {
            win::DispatchGuard guard;
            W::event(key.get());
        }
    }

protected:
    bool event(QEvent* e) override
    {
        win::DispatchGuard guard;
        if (win::TakeKey(this, e))
            return true;
        return W::event(e);
    }
};

// Puts the native widget into the control's window, filling it, with the
// classic colours and the dialog font. Takes ownership.
void Adopt(HWND window, QWidget* native);

// The control's native widget, null when the window is gone or holds
// something else.
QWidget* NativeWidget(HWND window);
template <class W>
W* Native(HWND window)
{
    return dynamic_cast<W*>(NativeWidget(window));
}

// The control behind a handle, for signal handlers: they hold handles, not
// objects, since the object may be gone by the time Qt calls them.
template <class C>
C* ControlOf(HWND window)
{
    return dynamic_cast<C*>(FromHandle(window));
}

// What the parent keeps as the window text, for controls whose text the
// user changes (an edit's contents, a combo box's choice).
void StoreText(HWND window, const QString& text);

inline QString ToQString(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

// A QPlainTextEdit knows one line break, "\n"; Win32's is "\r\n". A lone
// "\r" breaks the line there too.
inline QString FromWindowsLines(const std::string& text)
{
    return ToQString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}
inline QString ToWindowsLines(QString text)
{
    return text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

}  // namespace nimbo::ctl
