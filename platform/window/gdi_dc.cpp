// Device contexts: where they draw, what is selected into them, and their
// saved states.
#include "platform/window/gdi_qt.h"
#include "platform/window/qt_application_qt.h"

#include <utility>

using nimbo::DCAccess;
using nimbo::DCState;

namespace nimbo {

DCState::DCState()
{
    // A new DC starts with the stock white brush, black pen and system font.
    attr.brushObject = static_cast<CBrush*>(GetStockObject(WHITE_BRUSH));
    attr.brush = *DCAccess::Data<BrushData>(attr.brushObject);
    attr.penObject = static_cast<CPen*>(GetStockObject(BLACK_PEN));
    attr.pen = *DCAccess::Data<PenData>(attr.penObject);
    attr.fontObject = static_cast<CFont*>(GetStockObject(SYSTEM_FONT));
    attr.font = DCAccess::Data<FontData>(attr.fontObject)->font;
}

DCState::~DCState()
{
    StopPainting();
    if (bitmap)
        bitmap->selectedIn = nullptr;
}

void DCState::PaintOn(QImage* image)
{
    StopPainting();
    surface = image;
    ownPainter = std::make_unique<QPainter>(image);
    painter = ownPainter.get();
    PreparePainter(*painter);
}

void DCState::StopPainting()
{
    // Unwind what SaveDC pushed on this painter: a paint DC's painter
    // outlives the DC and goes back as it was lent.
    for (auto s = saved.rbegin(); s != saved.rend(); ++s) {
        if (painter && s->painter == painter) {
            painter->restore();
            s->painter = nullptr;
        }
    }
    if (ownPainter && ownPainter->isActive())
        ownPainter->end();
    ownPainter.reset();
    painter = nullptr;
    surface = ownImage.get();
}

void DCState::ReleaseBitmap()
{
    StopPainting();
    if (bitmap)
        bitmap->selectedIn = nullptr;
    bitmap = nullptr;
    bitmapObject = memory ? DefaultBitmap() : nullptr;
}

std::unique_ptr<CDC> DCAccess::ForPainter(QPainter* painter)
{
    auto dc = std::make_unique<CDC>();
    dc->d->painter = painter;
    PreparePainter(*painter);
    return dc;
}

std::unique_ptr<CDC> CreateImageDC(int width, int height, COLORREF fill)
{
    auto dc = std::make_unique<CDC>();
    if (width <= 0 || height <= 0)
        return dc;
    DCState& d = DCAccess::State(*dc);
    d.ownImage = std::make_unique<QImage>(width, height, QImage::Format_RGB32);
    d.ownImage->fill(ToQColor(fill));
    d.PaintOn(d.ownImage.get());
    return dc;
}

Pixels DCPixels(CDC* dc)
{
    if (!dc)
        return {};
    const DCState& d = DCAccess::State(*dc);
    return d.surface && !d.surface->isNull() && d.bitmapObject != DefaultBitmap() ? PixelsFromImage(*d.surface)
                                                                                 : Pixels{};
}

}  // namespace nimbo

CDC::CDC()
{
    nimbo::qt::EnsureApplication();
    d = std::make_unique<DCState>();
}

CDC::~CDC() = default;

BOOL CDC::CreateCompatibleDC(CDC*)
{
    d = std::make_unique<DCState>();
    d->memory = true;
    d->bitmapObject = nimbo::DefaultBitmap();
    return TRUE;
}

BOOL CDC::DeleteDC()
{
    d = std::make_unique<DCState>();
    return TRUE;
}

COLORREF CDC::SetTextColor(COLORREF color)
{
    return std::exchange(d->attr.text, color & 0x00FFFFFF);
}
COLORREF CDC::GetTextColor() const { return d->attr.text; }

COLORREF CDC::SetBkColor(COLORREF color)
{
    return std::exchange(d->attr.background, color & 0x00FFFFFF);
}
COLORREF CDC::GetBkColor() const { return d->attr.background; }

int CDC::SetBkMode(int mode)
{
    if (mode != OPAQUE && mode != TRANSPARENT)
        return 0;
    return std::exchange(d->attr.backgroundMode, mode);
}
int CDC::GetBkMode() const { return d->attr.backgroundMode; }

UINT CDC::SetTextAlign(UINT align)
{
    return std::exchange(d->attr.textAlign, align);
}
UINT CDC::GetTextAlign() const { return d->attr.textAlign; }

CFont* CDC::SelectObject(CFont* font)
{
    auto* data = DCAccess::Data<nimbo::FontData>(font);
    if (!data)
        return nullptr;
    d->attr.font = data->font;
    return std::exchange(d->attr.fontObject, font);
}

CBrush* CDC::SelectObject(CBrush* brush)
{
    auto* data = DCAccess::Data<nimbo::BrushData>(brush);
    if (!data)
        return nullptr;
    d->attr.brush = *data;
    return std::exchange(d->attr.brushObject, brush);
}

CPen* CDC::SelectObject(CPen* pen)
{
    auto* data = DCAccess::Data<nimbo::PenData>(pen);
    if (!data)
        return nullptr;
    d->attr.pen = *data;
    return std::exchange(d->attr.penObject, pen);
}

CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    if (!d->memory || !bitmap)
        return nullptr;
    CBitmap* previous = d->bitmapObject;
    if (bitmap == nimbo::DefaultBitmap()) {
        d->ReleaseBitmap();
        return previous;
    }
    auto* data = DCAccess::Data<nimbo::BitmapData>(bitmap);
    if (!data || (data->selectedIn && data->selectedIn != d.get()))
        return nullptr;
    d->ReleaseBitmap();
    d->bitmap = data;
    d->bitmapObject = bitmap;
    data->selectedIn = d.get();
    d->PaintOn(&data->image);
    return previous;
}

CGdiObject* CDC::SelectObject(CGdiObject* object)
{
    if (auto* font = dynamic_cast<CFont*>(object))
        return SelectObject(font);
    if (auto* brush = dynamic_cast<CBrush*>(object))
        return SelectObject(brush);
    if (auto* pen = dynamic_cast<CPen*>(object))
        return SelectObject(pen);
    if (auto* bitmap = dynamic_cast<CBitmap*>(object))
        return SelectObject(bitmap);
    return nullptr;
}

CGdiObject* CDC::SelectStockObject(int index)
{
    return SelectObject(GetStockObject(index));
}

CFont* CDC::GetCurrentFont() const { return d->attr.fontObject; }
CBrush* CDC::GetCurrentBrush() const { return d->attr.brushObject; }
CPen* CDC::GetCurrentPen() const { return d->attr.penObject; }
CBitmap* CDC::GetCurrentBitmap() const { return d->bitmapObject; }

int CDC::SaveDC()
{
    d->saved.push_back({d->attr, d->painter});
    if (d->painter)
        d->painter->save();
    return static_cast<int>(d->saved.size());
}

BOOL CDC::RestoreDC(int saved)
{
    const int count = static_cast<int>(d->saved.size());
    const int keep = saved < 0 ? count + saved : saved - 1;
    if (keep < 0 || keep >= count)
        return FALSE;
    while (static_cast<int>(d->saved.size()) > keep) {
        DCState::Saved s = d->saved.back();
        d->saved.pop_back();
        if (s.painter && s.painter == d->painter)
            d->painter->restore();
        d->attr = s.attr;
    }
    return TRUE;
}

int CDC::IntersectClipRect(int left, int top, int right, int bottom)
{
    if (!d->painter)
        return 0;  // ERROR
    d->painter->setClipRect(QRect(left, top, right - left, bottom - top), Qt::IntersectClip);
    return d->painter->clipRegion().isEmpty() ? 1 : 2;  // NULLREGION : SIMPLEREGION
}
