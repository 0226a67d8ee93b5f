// The process's table of windows, for platform sources only. The table
// itself may be asked from any thread whether a handle is a window; a
// record's contents belong to the thread that runs the windows.
#pragma once

#include "platform/winuser.h"

#include <QEventLoop>
#include <QPointer>
#include <QRect>
#include <QRegion>
#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <vector>

class CDC;

namespace nimbo::win {

struct WindowRecord {
    HWND handle = 0;
    HWND parent = 0;
    CWnd* wnd = nullptr;
    QPointer<QWidget> widget;
    std::string text;
    LONG_PTR userData = 0;
    std::map<UINT_PTR, int> timers;  // the window's timer id -> Qt's
    std::map<UINT_PTR, UINT> timerPeriods;  // the window's timer id -> its period, ms

    // What InvalidateRect asked for and the next paint has not done yet.
    bool updatePending = false;
    bool erasePending = false;
    QRegion pendingRegion;

    // Set while its WM_PAINT runs, for BeginPaint.
    CDC* paintDC = nullptr;
    bool paintErase = false;
    QRect paintRect;

    QEventLoop* modalLoop = nullptr;
    bool modalEnded = false;
    int modalResult = 0;

    bool destroying = false;

    // A standard control's own widget inside the window: it takes the
    // focus given to the window, and input left to DefWindowProc.
    QPointer<QWidget> native;
    // A dialog's handling of Enter and Escape (the virtual key), for keys
    // its fields leave to it.
    std::function<void(WPARAM)> dialogKey;
};

// Null when the handle names no window. Only on the windows' thread, and
// only until the next message is sent: a handler may destroy the window.
WindowRecord* Find(HWND window);
QWidget* WidgetOf(HWND window);
bool Exists(HWND window);
CWnd* WindowOf(HWND window);

// Gives the window its handle, one never given before.
WindowRecord* Add(CWnd* wnd, HWND parent);
void Remove(HWND window);
std::vector<HWND> ChildrenOf(HWND window);

// Counts Qt event handlers of windows running now: a widget may not be
// deleted under its own handler.
struct DispatchGuard {
    DispatchGuard();
    ~DispatchGuard();
    DispatchGuard(const DispatchGuard&) = delete;
    DispatchGuard& operator=(const DispatchGuard&) = delete;
};
bool InsideWindowEvent();

}  // namespace nimbo::win
