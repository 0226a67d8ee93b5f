// Copying pictures between DCs, and icons onto them.
#include "platform/window/gdi_qt.h"

using nimbo::DCAccess;

namespace {

QPainter::CompositionMode ModeFor(DWORD rop)
{
    switch (rop) {
    case SRCPAINT:
        return QPainter::RasterOp_SourceOrDestination;
    case SRCAND:
        return QPainter::RasterOp_SourceAndDestination;
    case SRCINVERT:
        return QPainter::RasterOp_SourceXorDestination;
    case NOTSRCCOPY:
        return QPainter::RasterOp_NotSource;
    default:
        return QPainter::CompositionMode_Source;
    }
}

bool FillsWithoutSource(QPainter* painter, int x, int y, int cx, int cy, DWORD rop)
{
    if (rop != BLACKNESS && rop != WHITENESS)
        return false;
    painter->fillRect(QRect(x, y, cx, cy), rop == BLACKNESS ? Qt::black : Qt::white);
    return true;
}

}  // namespace

BOOL CDC::BitBlt(int x, int y, int cx, int cy, CDC* source, int sx, int sy, DWORD rop)
{
    if (!d->painter || cx <= 0 || cy <= 0)
        return FALSE;
    if (FillsWithoutSource(d->painter, x, y, cx, cy, rop))
        return TRUE;
    const QImage* from = source ? DCAccess::State(*source).surface : nullptr;
    if (!from || from->isNull())
        return FALSE;
    // Only what the source really has is copied; reading past its edges
    // would invent pixels GDI never shows.
    const QRect have = QRect(sx, sy, cx, cy) & from->rect();
    if (have.isEmpty())
        return TRUE;
    // A copy, so a DC may blit from its own surface.
    const QImage part = from->copy(have);
    QPainter& p = *d->painter;
    p.save();
    p.setCompositionMode(ModeFor(rop));
    p.drawImage(QPoint(x + have.x() - sx, y + have.y() - sy), part);
    p.restore();
    return TRUE;
}

BOOL CDC::StretchBlt(int x, int y, int cx, int cy, CDC* source, int sx, int sy, int scx, int scy, DWORD rop)
{
    if (cx == scx && cy == scy)
        return BitBlt(x, y, cx, cy, source, sx, sy, rop);
    if (!d->painter || cx <= 0 || cy <= 0 || scx <= 0 || scy <= 0)
        return FALSE;
    if (FillsWithoutSource(d->painter, x, y, cx, cy, rop))
        return TRUE;
    const QImage* from = source ? DCAccess::State(*source).surface : nullptr;
    if (!from || from->isNull())
        return FALSE;
    const QRect have = QRect(sx, sy, scx, scy) & from->rect();
    if (have.isEmpty())
        return TRUE;
    const double fx = static_cast<double>(cx) / scx;
    const double fy = static_cast<double>(cy) / scy;
    const QRectF target(x + (have.x() - sx) * fx, y + (have.y() - sy) * fy, have.width() * fx, have.height() * fy);
    const QImage part = from->copy(have);
    QPainter& p = *d->painter;
    p.save();
    p.setCompositionMode(ModeFor(rop));
    p.drawImage(target, part);
    p.restore();
    return TRUE;
}

BOOL CDC::DrawIcon(int x, int y, HICON icon)
{
    if (!d->painter || !icon || icon->image.isNull())
        return FALSE;
    QPainter& p = *d->painter;
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawImage(QPoint(x, y), icon->image);
    p.restore();
    return TRUE;
}
