// Invalidation and painting: InvalidateRect marks, the event loop (or
// UpdateWindow) paints, and the paint arrives as WM_ERASEBKGND + WM_PAINT.
#include "platform/window/win_paint_qt.h"
#include "platform/test_support.h"

#include "platform/window/gdi_qt.h"
#include "platform/window/win_table_qt.h"

#include <QPainter>
#include <QRegion>
#include <QWidget>

#include <unordered_map>
#include <utility>
#include <vector>

namespace nimbo::win {
namespace {
bool grabbing = false;
// What InvalidateRect was given, per window until a test takes it. Made
// only while tests record: a panel invalidates for as long as it runs and
// nothing else would ever empty it. Never destroyed at exit, as windows of
// global objects may invalidate after this library's statics are gone.
std::unordered_map<HWND, std::vector<RECT>>* recorded = nullptr;
}  // namespace

void SetGrabbing(bool on)
{
    grabbing = on;
}

void ForgetPendingUpdate(HWND window)
{
    if (WindowRecord* record = Find(window)) {
        record->updatePending = false;
        record->pendingRegion = QRegion();
    }
}

void PaintWindow(HWND window, QWidget* widget, const QRegion& region)
{
    WindowRecord* record = Find(window);
    if (!record)
        return;
    // A paint nobody asked for through InvalidateRect (first show, expose,
    // resize) has nothing on screen worth keeping: it is erased.
    bool erase = true;
    if (!grabbing) {
        erase = record->erasePending || !record->updatePending;
        record->erasePending = false;
        record->updatePending = false;
        record->pendingRegion = QRegion();
    }

    QPainter painter(widget);
    std::unique_ptr<CDC> dc = DCAccess::ForPainter(&painter);
    record->paintDC = dc.get();
    record->paintRect = region.boundingRect();
    record->paintErase = false;
    if (erase && SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0) == 0)
        if ((record = Find(window)))
            record->paintErase = true;
    if (Find(window))
        SendMessageA(window, WM_PAINT, reinterpret_cast<WPARAM>(dc.get()), 0);
    if ((record = Find(window)))
        record->paintDC = nullptr;
}

}  // namespace nimbo::win

using namespace nimbo::win;

BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase)
{
    WindowRecord* record = Find(window);
    if (!record)
        return FALSE;
    QWidget* widget = record->widget;
    const QRect client = widget ? widget->rect() : QRect();
    const RECT whole{0, 0, client.width(), client.height()};
    if (recorded)
        (*recorded)[window].push_back(rect ? *rect : whole);
    const QRect area = (rect ? nimbo::ToQRect(*rect) : client) & client;
    if (area.isEmpty() || !widget)
        return TRUE;
    record->updatePending = true;
    record->erasePending = record->erasePending || erase;
    record->pendingRegion += area;
    widget->update(area);
    return TRUE;
}

BOOL UpdateWindow(HWND window)
{
    WindowRecord* record = Find(window);
    if (!record)
        return FALSE;
    QWidget* widget = record->widget;
    if (widget && record->updatePending && widget->isVisible())
        widget->repaint(record->pendingRegion);
    return TRUE;
}

void nimbo::RecordInvalidations(bool on)
{
    if (on && !recorded)
        recorded = new std::unordered_map<HWND, std::vector<RECT>>;
    if (!on) {
        delete recorded;
        recorded = nullptr;
    }
}

std::vector<RECT> nimbo::TakeInvalidations(HWND window)
{
    if (!recorded)
        return {};
    // Destroyed windows' records go here rather than in the table's path.
    std::erase_if(*recorded, [](const auto& entry) { return !Exists(entry.first); });
    auto it = recorded->find(window);
    if (it == recorded->end())
        return {};
    std::vector<RECT> taken = std::move(it->second);
    recorded->erase(it);
    return taken;
}

HDC BeginPaint(HWND window, PAINTSTRUCT* paint)
{
    WindowRecord* record = Find(window);
    if (!record || !record->paintDC || !paint)
        return nullptr;
    const QRect r = record->paintRect;
    paint->hdc = record->paintDC;
    paint->fErase = record->paintErase ? TRUE : FALSE;
    paint->rcPaint = RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    return record->paintDC;
}

BOOL EndPaint(HWND, const PAINTSTRUCT*)
{
    return TRUE;
}
