#include "platform/window/gdi_qt.h"
#include "platform/window/qt_application_qt.h"
#include "platform/window/res_images_qt.h"

#include <algorithm>

using nimbo::DCAccess;

CGdiObject::~CGdiObject()
{
    if (!m_stock)
        Replace(nullptr);
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject || m_stock)
        return FALSE;
    Replace(nullptr);
    return TRUE;
}

void CGdiObject::Replace(nimbo::GdiData* data)
{
    auto* old = static_cast<nimbo::GdiData*>(m_hObject);
    m_hObject = data;
    delete old;
}

CBrush::CBrush(COLORREF color)
{
    CreateSolidBrush(color);
}

BOOL CBrush::CreateSolidBrush(COLORREF color)
{
    if (m_stock)
        return FALSE;
    auto* data = new nimbo::BrushData;
    data->color = color & 0x00FFFFFF;
    Replace(data);
    return TRUE;
}

CPen::CPen(int style, int width, COLORREF color)
{
    CreatePen(style, width, color);
}

BOOL CPen::CreatePen(int style, int width, COLORREF color)
{
    if (m_stock)
        return FALSE;
    auto* data = new nimbo::PenData;
    data->style = style;
    data->width = std::max(1, width);
    data->color = color & 0x00FFFFFF;
    Replace(data);
    return TRUE;
}

nimbo::BitmapData::~BitmapData()
{
    if (selectedIn)
        selectedIn->ReleaseBitmap();
}

BOOL CBitmap::LoadBitmap(HINSTANCE module, UINT id)
{
    nimbo::qt::EnsureApplication();
    QImage image;
    if (m_stock || !nimbo::res::LoadBitmapImage(module, id, &image))
        return FALSE;
    auto* data = new nimbo::BitmapData;
    data->image = image;
    Replace(data);
    return TRUE;
}

BOOL CBitmap::CreateFromPixels(const nimbo::Pixels& pixels)
{
    nimbo::qt::EnsureApplication();
    QImage image = nimbo::ImageFromPixels(pixels, QImage::Format_RGB32);
    if (m_stock || image.isNull())
        return FALSE;
    auto* data = new nimbo::BitmapData;
    data->image = image;
    Replace(data);
    return TRUE;
}

BOOL CBitmap::CreateCompatibleBitmap(CDC*, int width, int height)
{
    nimbo::qt::EnsureApplication();
    if (m_stock || width <= 0 || height <= 0)
        return FALSE;
    auto* data = new nimbo::BitmapData;
    data->image = QImage(width, height, QImage::Format_RGB32);
    if (data->image.isNull()) {
        delete data;
        return FALSE;
    }
    data->image.fill(Qt::black);
    Replace(data);
    return TRUE;
}

int CBitmap::GetBitmap(BITMAP* info) const
{
    auto* data = DCAccess::Data<nimbo::BitmapData>(this);
    if (!data || !info)
        return 0;
    *info = BITMAP{};
    info->bmWidth = data->image.width();
    info->bmHeight = data->image.height();
    info->bmWidthBytes = data->image.width() * 4;
    info->bmPlanes = 1;
    info->bmBitsPixel = 32;
    return static_cast<int>(sizeof(BITMAP));
}

nimbo::Pixels CBitmap::GetPixels() const
{
    auto* data = DCAccess::Data<nimbo::BitmapData>(this);
    return data ? nimbo::PixelsFromImage(data->image) : nimbo::Pixels{};
}

HICON LoadIconA(HINSTANCE module, UINT id)
{
    return nimbo::res::LoadIconImage(module, id);
}
