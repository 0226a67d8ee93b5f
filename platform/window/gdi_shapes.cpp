// Fills, frames, lines and single pixels, with GDI's pixel coverage: a
// rectangle leaves out its right and bottom edges, a line its end point.
#include "platform/window/gdi_qt.h"

#include <algorithm>
#include <utility>

using nimbo::DCAccess;
using nimbo::ToQColor;

namespace {

void Fill(QPainter* painter, const QRect& rect, COLORREF color)
{
    if (painter && rect.isValid())
        painter->fillRect(rect, ToQColor(color));
}

void Normalize(int& left, int& top, int& right, int& bottom)
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
}

}  // namespace

void CDC::FillRect(const RECT* rect, CBrush* brush)
{
    auto* data = DCAccess::Data<nimbo::BrushData>(brush);
    if (rect && data && !data->hollow)
        Fill(d->painter, nimbo::ToQRect(*rect), data->color);
}

void CDC::FrameRect(const RECT* rect, CBrush* brush)
{
    auto* data = DCAccess::Data<nimbo::BrushData>(brush);
    if (!rect || !data || data->hollow || rect->right <= rect->left || rect->bottom <= rect->top)
        return;
    const RECT& r = *rect;
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    Fill(d->painter, QRect(r.left, r.top, w, 1), data->color);
    Fill(d->painter, QRect(r.left, r.bottom - 1, w, 1), data->color);
    Fill(d->painter, QRect(r.left, r.top, 1, h), data->color);
    Fill(d->painter, QRect(r.right - 1, r.top, 1, h), data->color);
}

void CDC::FillSolidRect(const RECT* rect, COLORREF color)
{
    if (!rect)
        return;
    // MFC fills through the background colour and leaves it set; code that
    // draws opaque text right after relies on that.
    SetBkColor(color);
    Fill(d->painter, nimbo::ToQRect(*rect), color);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color)
{
    RECT r{x, y, x + cx, y + cy};
    Normalize(r.left, r.top, r.right, r.bottom);
    FillSolidRect(&r, color);
}

void CDC::Draw3dRect(const RECT* rect, COLORREF topLeft, COLORREF bottomRight)
{
    if (rect)
        Draw3dRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, topLeft, bottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight)
{
    // The top-left colour owns the corner pixels of its two edges except
    // the far ones, as MFC draws it.
    FillSolidRect(x, y, cx - 1, 1, topLeft);
    FillSolidRect(x, y, 1, cy - 1, topLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, bottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, bottomRight);
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom)
{
    if (!d->painter)
        return FALSE;
    Normalize(left, top, right, bottom);
    const nimbo::PenData& pen = d->attr.pen;
    const nimbo::BrushData& brush = d->attr.brush;
    if (pen.style == PS_NULL) {
        // Without a pen GDI's rectangle is a pixel smaller each way.
        if (!brush.hollow)
            Fill(d->painter, QRect(left, top, right - left - 1, bottom - top - 1), brush.color);
        return TRUE;
    }
    const int w = std::min({pen.width, (right - left + 1) / 2, (bottom - top + 1) / 2});
    if (!brush.hollow)
        Fill(d->painter, QRect(left + w, top + w, right - left - 2 * w, bottom - top - 2 * w), brush.color);
    for (int i = 0; i < w; ++i) {
        const int l = left + i, t = top + i, r = right - i, b = bottom - i;
        Fill(d->painter, QRect(l, t, r - l, 1), pen.color);
        Fill(d->painter, QRect(l, b - 1, r - l, 1), pen.color);
        Fill(d->painter, QRect(l, t, 1, b - t), pen.color);
        Fill(d->painter, QRect(r - 1, t, 1, b - t), pen.color);
    }
    return TRUE;
}

BOOL CDC::Rectangle(const RECT* rect)
{
    return rect ? Rectangle(rect->left, rect->top, rect->right, rect->bottom) : FALSE;
}

BOOL CDC::Ellipse(int left, int top, int right, int bottom)
{
    if (!d->painter)
        return FALSE;
    Normalize(left, top, right, bottom);
    if (right - left < 2 || bottom - top < 2)
        return TRUE;
    const nimbo::PenData& pen = d->attr.pen;
    const nimbo::BrushData& brush = d->attr.brush;
    QPainter& p = *d->painter;
    p.save();
    if (pen.style == PS_NULL)
        p.setPen(Qt::NoPen);
    else
        p.setPen(QPen(ToQColor(pen.color), pen.width <= 1 ? 0 : pen.width));
    p.setBrush(brush.hollow ? QBrush(Qt::NoBrush) : QBrush(ToQColor(brush.color)));
    p.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
    p.restore();
    return TRUE;
}

BOOL CDC::Ellipse(const RECT* rect)
{
    return rect ? Ellipse(rect->left, rect->top, rect->right, rect->bottom) : FALSE;
}

POINT CDC::MoveTo(int x, int y)
{
    return std::exchange(d->attr.position, POINT{x, y});
}

BOOL CDC::LineTo(int x, int y)
{
    const POINT from = std::exchange(d->attr.position, POINT{x, y});
    const nimbo::PenData& pen = d->attr.pen;
    if (!d->painter || pen.style == PS_NULL)
        return TRUE;
    if (pen.width <= 1 && pen.style == PS_SOLID && (from.x == x || from.y == y)) {
        // Straight lines by hand, so the end point is left out exactly.
        if (from.y == y && from.x != x)
            Fill(d->painter, from.x < x ? QRect(from.x, y, x - from.x, 1) : QRect(x + 1, y, from.x - x, 1), pen.color);
        else if (from.x == x && from.y != y)
            Fill(d->painter, from.y < y ? QRect(x, from.y, 1, y - from.y) : QRect(x, y + 1, 1, from.y - y), pen.color);
        return TRUE;
    }
    QPen qpen(ToQColor(pen.color), pen.width <= 1 ? 0 : pen.width);
    qpen.setCapStyle(Qt::FlatCap);
    if (pen.style == PS_DASH)
        qpen.setStyle(Qt::DashLine);
    else if (pen.style == PS_DOT)
        qpen.setStyle(Qt::DotLine);
    QPainter& p = *d->painter;
    p.save();
    p.setPen(qpen);
    p.drawLine(QPoint(from.x, from.y), QPoint(x, y));
    p.restore();
    return TRUE;
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color)
{
    if (!d->painter)
        return CLR_INVALID;
    Fill(d->painter, QRect(x, y, 1, 1), color);
    return color & 0x00FFFFFF;
}

COLORREF CDC::GetPixel(int x, int y) const
{
    const QImage* s = d->surface;
    if (!s || !s->valid(x, y) || d->bitmapObject == nimbo::DefaultBitmap())
        return CLR_INVALID;
    return nimbo::FromArgb(s->pixel(x, y));
}
