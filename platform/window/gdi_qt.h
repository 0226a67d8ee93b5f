// What the GDI objects and device contexts hold, for platform sources only.
#pragma once

#include "platform/wingdi.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

#include <memory>
#include <vector>

namespace nimbo {

struct GdiData {
    virtual ~GdiData() = default;
};

struct BrushData final : GdiData {
    COLORREF color = 0;
    bool hollow = false;
};

struct PenData final : GdiData {
    COLORREF color = 0;
    int width = 1;
    int style = PS_SOLID;
};

struct FontData final : GdiData {
    QFont font;
    LOGFONTA log{};
};

// A bitmap can be selected into one memory DC at a time; when it goes away
// first, that DC stops drawing onto it.
struct BitmapData final : GdiData {
    QImage image;  // Format_RGB32
    DCState* selectedIn = nullptr;
    ~BitmapData() override;
};

struct IconImage {
    QImage image;  // Format_ARGB32_Premultiplied
};

// The parts of a DC that SaveDC keeps. Objects are copied at selection so a
// deleted object never leaves a DC drawing with freed memory.
struct DCAttributes {
    CFont* fontObject = nullptr;
    QFont font;
    CBrush* brushObject = nullptr;
    BrushData brush;
    CPen* penObject = nullptr;
    PenData pen;
    COLORREF text = 0x000000;
    COLORREF background = 0xFFFFFF;
    int backgroundMode = OPAQUE;
    UINT textAlign = TA_LEFT | TA_TOP;
    POINT position{0, 0};
};

struct DCState {
    QPainter* painter = nullptr;  // null: draws nowhere
    std::unique_ptr<QPainter> ownPainter;
    const QImage* surface = nullptr;  // readable for BitBlt and GetPixel
    std::unique_ptr<QImage> ownImage;
    bool memory = false;
    CBitmap* bitmapObject = nullptr;
    BitmapData* bitmap = nullptr;
    DCAttributes attr;
    struct Saved {
        DCAttributes attr;
        QPainter* painter;
    };
    std::vector<Saved> saved;

    DCState();
    ~DCState();
    void PaintOn(QImage* image);
    void StopPainting();
    // Back to the bitmap a memory DC starts with, which is never drawn on.
    void ReleaseBitmap();
};

struct DCAccess {
    static std::unique_ptr<CDC> ForPainter(QPainter* painter);
    static DCState& State(CDC& dc) { return *dc.d; }
    static const DCState& State(const CDC& dc) { return *dc.d; }
    template <class T>
    static T* Data(const CGdiObject* object)
    {
        return object ? dynamic_cast<T*>(static_cast<GdiData*>(object->m_hObject)) : nullptr;
    }
    static void MakeStock(CGdiObject& object) { object.m_stock = true; }
    static void Replace(CGdiObject& object, GdiData* data) { object.Replace(data); }
};

void PreparePainter(QPainter& painter);
inline QColor ToQColor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }
// GDI rectangles leave out their right and bottom edges, as QRect(x, y, w, h) does.
inline QRect ToQRect(const RECT& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }
inline QRect ToQRect(int x, int y, int cx, int cy) { return QRect(x, y, cx, cy); }

QImage ImageFromPixels(const Pixels& pixels, QImage::Format format);
Pixels PixelsFromImage(const QImage& image);

QFont FontFromLog(const LOGFONTA& log);
QString TextFromBytes(const char* text, int count);

CBitmap* DefaultBitmap();

}  // namespace nimbo
