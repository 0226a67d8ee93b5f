// Image lists: a bitmap strip cut into icons of one size.
#include "platform/controls.h"
#include "platform/window/gdi_qt.h"

CImageList::CImageList() = default;

// Lists that show these images hold copies of their own.
CImageList::~CImageList()
{
    for (nimbo::IconImage* image : images_)
        delete image;
}

BOOL CImageList::Create(int cx, int cy)
{
    if (cx <= 0 || cy <= 0)
        return FALSE;
    for (nimbo::IconImage* image : images_)
        delete image;
    images_.clear();
    cx_ = cx;
    cy_ = cy;
    return TRUE;
}

// A strip narrower than one image, or lower, gives none.
int CImageList::Add(CBitmap* bitmap, COLORREF mask)
{
    auto* data = nimbo::DCAccess::Data<nimbo::BitmapData>(bitmap);
    if (!data || cx_ <= 0 || data->image.height() < cy_ || data->image.width() < cx_)
        return -1;
    const int first = GetImageCount();
    const QRgb transparent = qRgb(GetRValue(mask), GetGValue(mask), GetBValue(mask));
    for (int x = 0; x + cx_ <= data->image.width(); x += cx_) {
        QImage piece = data->image.copy(x, 0, cx_, cy_).convertToFormat(QImage::Format_ARGB32);
        for (int py = 0; py < cy_; ++py) {
            auto* line = reinterpret_cast<QRgb*>(piece.scanLine(py));
            for (int px = 0; px < cx_; ++px)
                if ((line[px] & 0x00FFFFFF) == (transparent & 0x00FFFFFF))
                    line[px] = 0;
        }
        images_.push_back(new nimbo::IconImage{piece.convertToFormat(QImage::Format_ARGB32_Premultiplied)});
    }
    return first;
}

int CImageList::GetImageCount() const
{
    return static_cast<int>(images_.size());
}
