// Pictures of windows as drawn, children included.
#include "platform/window/gdi_qt.h"
#include "platform/window/win_paint_qt.h"
#include "platform/window/win_table_qt.h"

#include <QPixmap>

namespace {

QImage Grab(HWND window)
{
    QWidget* widget = nimbo::win::WidgetOf(window);
    if (!widget)
        return {};
    nimbo::win::SetGrabbing(true);
    const QImage image = widget->grab().toImage();
    nimbo::win::SetGrabbing(false);
    return image;
}

}  // namespace

bool nimbo::SaveWindowPng(HWND window, const std::string& path)
{
    const QImage image = Grab(window);
    return !image.isNull() && image.save(QString::fromStdString(path), "PNG");
}

nimbo::Pixels nimbo::GrabWindowPixels(HWND window)
{
    return PixelsFromImage(Grab(window));
}
