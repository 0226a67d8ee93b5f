// Creating and destroying windows, and what a window does by default.
#include "platform/window/gdi_qt.h"
#include "platform/window/qt_application_qt.h"
#include "platform/window/win_input_qt.h"
#include "platform/window/win_table_qt.h"
#include "platform/window/win_widget_qt.h"

#include <algorithm>
#include <cstring>

using namespace nimbo::win;

CWnd::CWnd() = default;

// Derived parts are gone by now, so WM_DESTROY from here reaches only
// CWnd's own WindowProc: owners that care destroy the window first.
CWnd::~CWnd()
{
    if (m_hWnd && WindowOf(m_hWnd) == this)
        ::DestroyWindow(m_hWnd);
}

bool CWnd::CreateWindowed(HWND parent, const RECT& rect, const std::string& text)
{
    if (m_hWnd && Exists(m_hWnd))
        return false;
    nimbo::qt::EnsureApplication();
    WatchFocus();
    QWidget* parentWidget = nullptr;
    if (parent && !(parentWidget = WidgetOf(parent)))
        return false;
    WindowRecord* record = Add(this, parent);
    if (!record)
        return false;
    const HWND handle = record->handle;
    const int width = std::max<LONG>(0, rect.right - rect.left);
    const int height = std::max<LONG>(0, rect.bottom - rect.top);
    record->text = text;
    auto* widget = new WindowWidget(handle, parentWidget);
    widget->setGeometry(rect.left, rect.top, width, height);
    if (!parent)
        widget->setWindowTitle(QString::fromStdString(text));
    record->widget = widget;
    m_hWnd = handle;

    const std::string name = text;
    CREATESTRUCTA create{nullptr, parent, height, width, static_cast<int>(rect.top), static_cast<int>(rect.left),
                         name.c_str()};
    if (SendMessageA(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        ::DestroyWindow(handle);
        return false;
    }
    // Windows are created visible, top-level ones too: with a display they
    // appear at once, without one nobody sees them anyway.
    if (QWidget* w = WidgetOf(handle)) {
        if (parent || !CreatingHiddenTopLevels())
            w->show();
        return true;
    }
    return false;
}

void CWnd::DestroyWindow()
{
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND: {
        auto* dc = reinterpret_cast<CDC*>(wParam);
        RECT client;
        if (!dc || !::GetClientRect(m_hWnd, &client))
            return 0;
        CBrush background(m_background);
        dc->FillRect(&client, &background);
        return 1;
    }
    case WM_SETTEXT: {
        WindowRecord* record = Find(m_hWnd);
        if (!record)
            return FALSE;
        record->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        if (record->widget && !record->parent)
            record->widget->setWindowTitle(QString::fromStdString(record->text));
        return TRUE;
    }
    case WM_GETTEXT: {
        WindowRecord* record = Find(m_hWnd);
        auto* buffer = reinterpret_cast<char*>(lParam);
        if (!record || !buffer || wParam == 0)
            return 0;
        const std::size_t length = std::min<std::size_t>(record->text.size(), wParam - 1);
        std::memcpy(buffer, record->text.data(), length);
        buffer[length] = '\0';
        return static_cast<LRESULT>(length);
    }
    case WM_GETTEXTLENGTH: {
        WindowRecord* record = Find(m_hWnd);
        return record ? static_cast<LRESULT>(record->text.size()) : 0;
    }
    case WM_CLOSE:
        DestroyWindow();  // a child window as much as a top-level one
        return 0;
    // A standard control's native widget does what the control would.
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        NativeDefault(m_hWnd, message, wParam, lParam);
        return 0;
    default:
        return 0;
    }
}

BOOL DestroyWindow(HWND window)
{
    WindowRecord* record = Find(window);
    if (!record || record->destroying)
        return FALSE;
    record->destroying = true;
    SendMessageA(window, WM_DESTROY, 0, 0);
    for (HWND child : ChildrenOf(window))
        ::DestroyWindow(child);

    // Nothing but this function removes records, and it is guarded against
    // itself above: the record is still there.
    record = Find(window);
    QWidget* widget = record->widget;
    if (widget)
        for (const auto& timer : record->timers)
            widget->killTimer(timer.second);
    record->timers.clear();
    record->timerPeriods.clear();
    if (record->modalLoop && !record->modalEnded)
        record->modalLoop->exit(-1);
    CWnd* wnd = record->wnd;
    Remove(window);
    if (wnd && wnd->m_hWnd == window)
        wnd->m_hWnd = 0;

    if (auto* w = dynamic_cast<WindowWidget*>(widget)) {
        w->Detach();
        // A widget must not be deleted under one of its own event handlers
        // (a click that closes its own panel): then it goes at the next
        // turn of the event loop, hidden and deaf until then.
        if (InsideWindowEvent()) {
            w->hide();
            w->deleteLater();
        } else {
            delete w;
        }
    }
    return TRUE;
}
