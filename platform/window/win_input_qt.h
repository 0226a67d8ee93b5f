// Keyboard, focus and mouse between Qt's widgets and the windows' messages,
// for platform sources only.
#pragma once

#include "platform/winuser.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include <memory>

namespace nimbo::win {

// A native widget that does a standard control's default handling: what
// DefWindowProc of the control's window does with input messages.
class NativeControl {
public:
    virtual ~NativeControl() = default;
    virtual void Default(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

// DefWindowProc's share for input messages: the native control's handling
// when the window has one, nothing otherwise.
void NativeDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The window a widget belongs to: the nearest window around it, 0 when
// none (or when that window is gone).
HWND HandleOf(const QWidget* widget);

// The widget that takes the focus given to a window: its native control,
// else the window's own widget.
QWidget* FocusTargetOf(HWND window);
// Gives a widget the keyboard focus, activating its window first when
// nobody can (no display), so that the focus is there at once.
void GiveFocus(QWidget* widget, Qt::FocusReason reason);
// Starts telling windows of WM_SETFOCUS and WM_KILLFOCUS; once is enough.
void WatchFocus();

// For the widget with the focus: a key press becomes WM_KEYDOWN and
// WM_CHAR when its window asks for keys with WM_GETDLGCODE, and a key the
// window claims from the dialog is kept from the dialog's shortcuts.
// Answers whether the event was taken.
bool TakeKey(QWidget* receiver, QEvent* event);
// The key event that DefWindowProc hands the native control for
// WM_KEYDOWN (the key without its text) or WM_CHAR (the character alone):
// the real key's when one is being dispatched, else one made up.
std::unique_ptr<QKeyEvent> KeyForDefault(HWND window, UINT message, WPARAM wParam);

// The button message for a Qt mouse event (press or double click), 0 for
// others, and the MK_ state of its wParam.
UINT ButtonMessage(const QMouseEvent* event);
WPARAM MouseKeyState(const QMouseEvent* event);

}  // namespace nimbo::win
