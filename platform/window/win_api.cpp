// Asking windows things and telling them things, by handle.
#include "platform/window/win_table_qt.h"

#include <algorithm>
#include <utility>

using namespace nimbo::win;

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = WindowOf(window);
    return wnd ? wnd->WindowProc(message, wParam, lParam) : 0;
}

BOOL IsWindow(HWND window)
{
    return window != 0 && Exists(window);
}

CWnd* FromHandle(HWND window)
{
    return WindowOf(window);
}

LONG_PTR GetWindowLongA(HWND window, int index)
{
    WindowRecord* record = Find(window);
    return record && index == GWL_USERDATA ? record->userData : 0;
}

LONG_PTR SetWindowLongA(HWND window, int index, LONG_PTR value)
{
    WindowRecord* record = Find(window);
    if (!record || index != GWL_USERDATA)
        return 0;
    return std::exchange(record->userData, value);
}

int GetWindowTextA(HWND window, char* text, int maxCount)
{
    if (!text || maxCount <= 0)
        return 0;
    text[0] = '\0';
    return static_cast<int>(SendMessageA(window, WM_GETTEXT, static_cast<WPARAM>(maxCount), reinterpret_cast<LPARAM>(text)));
}

BOOL SetWindowTextA(HWND window, const char* text)
{
    if (!IsWindow(window))
        return FALSE;
    return SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) ? TRUE : FALSE;
}

BOOL GetWindowRect(HWND window, RECT* rect)
{
    QWidget* widget = WidgetOf(window);
    if (!widget || !rect)
        return FALSE;
    // The client area: a top-level window's frame belongs to the desktop
    // here and is not counted.
    const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    *rect = RECT{origin.x(), origin.y(), origin.x() + widget->width(), origin.y() + widget->height()};
    return TRUE;
}

BOOL GetClientRect(HWND window, RECT* rect)
{
    QWidget* widget = WidgetOf(window);
    if (!widget || !rect)
        return FALSE;
    *rect = RECT{0, 0, widget->width(), widget->height()};
    return TRUE;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint)
{
    QWidget* widget = WidgetOf(window);
    if (!widget)
        return FALSE;
    widget->setGeometry(x, y, std::max(0, width), std::max(0, height));
    if (repaint && IsWindow(window))
        InvalidateRect(window, nullptr, TRUE);
    return TRUE;
}

BOOL ShowWindow(HWND window, int show)
{
    QWidget* widget = WidgetOf(window);
    if (!widget)
        return FALSE;
    const BOOL wasVisible = widget->isHidden() ? FALSE : TRUE;
    widget->setVisible(show != SW_HIDE);
    return wasVisible;
}

HWND GetParent(HWND window)
{
    WindowRecord* record = Find(window);
    return record ? record->parent : 0;
}

BOOL IsWindowVisible(HWND window)
{
    QWidget* widget = WidgetOf(window);
    return widget && widget->isVisible() ? TRUE : FALSE;
}

BOOL EnableWindow(HWND window, BOOL enable)
{
    QWidget* widget = WidgetOf(window);
    if (!widget)
        return FALSE;
    const BOOL wasDisabled = widget->isEnabled() ? FALSE : TRUE;
    widget->setEnabled(enable != FALSE);
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND window)
{
    QWidget* widget = WidgetOf(window);
    return widget && widget->isEnabled() ? TRUE : FALSE;
}

BOOL ClientToScreen(HWND window, POINT* point)
{
    QWidget* widget = WidgetOf(window);
    if (!widget || !point)
        return FALSE;
    const QPoint p = widget->mapToGlobal(QPoint(point->x, point->y));
    *point = POINT{p.x(), p.y()};
    return TRUE;
}

BOOL ScreenToClient(HWND window, POINT* point)
{
    QWidget* widget = WidgetOf(window);
    if (!widget || !point)
        return FALSE;
    const QPoint p = widget->mapFromGlobal(QPoint(point->x, point->y));
    *point = POINT{p.x(), p.y()};
    return TRUE;
}
