// Between the kit's plain pictures and text and Qt's.
#include "platform/window/gdi_qt.h"

#include <cstring>

namespace nimbo {

void PreparePainter(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

QImage ImageFromPixels(const Pixels& pixels, QImage::Format format)
{
    if (pixels.Empty() || pixels.argb.size() < static_cast<std::size_t>(pixels.width) * pixels.height)
        return {};
    QImage image(pixels.width, pixels.height, QImage::Format_ARGB32);
    for (int y = 0; y < pixels.height; ++y)
        std::memcpy(image.scanLine(y), &pixels.argb[static_cast<std::size_t>(y) * pixels.width],
                    static_cast<std::size_t>(pixels.width) * 4);
    if (format == QImage::Format_RGB32) {
        // Dropping alpha by hand: Qt's conversion would blend onto black.
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                line[x] |= 0xFF000000u;
        }
        return image.reinterpretAsFormat(QImage::Format_RGB32) ? image : QImage();
    }
    return image.convertToFormat(format);
}

Pixels PixelsFromImage(const QImage& image)
{
    Pixels pixels;
    if (image.isNull())
        return pixels;
    const QImage argb = image.format() == QImage::Format_ARGB32 || image.format() == QImage::Format_RGB32
                            ? image
                            : image.convertToFormat(QImage::Format_ARGB32);
    pixels = MakePixels(argb.width(), argb.height(), 0);
    for (int y = 0; y < argb.height(); ++y)
        std::memcpy(&pixels.argb[static_cast<std::size_t>(y) * argb.width()], argb.constScanLine(y),
                    static_cast<std::size_t>(argb.width()) * 4);
    if (argb.format() == QImage::Format_RGB32)
        for (auto& p : pixels.argb)
            p |= 0xFF000000u;
    return pixels;
}

QString TextFromBytes(const char* text, int count)
{
    if (!text)
        return {};
    const qsizetype length = count < 0 ? static_cast<qsizetype>(std::strlen(text)) : count;
    // The controls' strings were written for the Western Windows code page;
    // newer ones are UTF-8. Latin-1 is close enough for the old ones.
    QString utf8 = QString::fromUtf8(text, length);
    if (utf8.contains(QChar::ReplacementCharacter) && !QByteArray(text, length).contains("\xEF\xBF\xBD"))
        return QString::fromLatin1(text, length);
    return utf8;
}

}  // namespace nimbo
